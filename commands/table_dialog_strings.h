#pragma once

#include <string_view>

namespace korvo {

// The texts of the layers, text styles and line type dialogs. Messages with an identifier are
// the host's own strings; the others say what the dialogs refuse beyond those.
namespace TableDialogString {
inline constexpr int kLayerNameInUseId = 253;
inline constexpr std::u16string_view kLayerNameInUse = u"Layer name \"%s\" is already in use.";
inline constexpr int kEnterStyleNameId = 164;
inline constexpr std::u16string_view kEnterStyleName = u"Please enter name of style.";
inline constexpr int kEnterFontNameId = 165;
inline constexpr std::u16string_view kEnterFontName = u"Please enter name of font.";
inline constexpr int kStyleNameInUseId = 166;
inline constexpr std::u16string_view kStyleNameInUse = u"Style name \"%s\" is already in use.";
inline constexpr int kApplyStyleChangesId = 167;
inline constexpr std::u16string_view kApplyStyleChanges = u"Do you want to apply style changes?";
inline constexpr int kByLayerWeightId = 184;
inline constexpr std::u16string_view kByLayerWeight = u"By Layer";
inline constexpr int kByBlockWeightId = 185;
inline constexpr std::u16string_view kByBlockWeight = u"By Block";
inline constexpr int kDefaultWeightId = 186;
inline constexpr std::u16string_view kDefaultWeight = u"Default";

// Titles and help topics.
inline constexpr std::u16string_view kLayersTitle = u"Drawing layers";
inline constexpr std::u16string_view kLayersHelp = u"LAYERS";
inline constexpr std::u16string_view kTextStylesTitle = u"Text Styles";
inline constexpr std::u16string_view kTextStylesHelp = u"STYLES";
inline constexpr std::u16string_view kLineTypeTitle = u"Line Type/Color/Weight";

// Names the files cannot carry, and what the dialogs refuse on their own account.
inline constexpr std::u16string_view kEnterLayerName = u"Please enter name of layer.";
inline constexpr std::u16string_view kNameBlank = u"A name of only blanks cannot be used.";
inline constexpr std::u16string_view kNameTooLong = u"A name may hold at most %d characters.";
inline constexpr std::u16string_view kNameBadCharacter =
    u"A name cannot hold control characters or any of < > / \\ \" : ; ? * | = `";
inline constexpr std::u16string_view kCurrentLayerNotDeleted =
    u"The current layer cannot be deleted.";
inline constexpr std::u16string_view kLayerInBlock =
    u"Layer \"%s\" is used inside a block and cannot be deleted.";

// The framework's range messages of the value fields.
inline constexpr std::u16string_view kEnterNumber = u"Please enter a number.";
inline constexpr std::u16string_view kEnterNumberBetween =
    u"Please enter a number between %s and %s.";
inline constexpr std::u16string_view kEnterInteger = u"Please enter an integer.";
inline constexpr std::u16string_view kEnterIntegerBetween =
    u"Please enter an integer between %d and %d.";
}  // namespace TableDialogString

}  // namespace korvo
