#pragma once

#include <string>
#include <string_view>

namespace korvo {

struct DxfCodePageTable;

// Turns the bytes of a DXF text into UTF-16: UTF-8 from release 2007 on, before that the
// single-byte code page named by $DWGCODEPAGE (an unknown name counts as ANSI_1252). Then
// "\U+XXXX" escapes become their character and caret notation ("^J", "^ ") its control
// character or caret.
class DxfTextDecoder {
 public:
  DxfTextDecoder();
  // $ACADVER: "AC1021" and later are UTF-8.
  void SetRelease(std::string_view acadver);
  // $DWGCODEPAGE, such as "ANSI_1251" or "dos866"; compared without regard to case.
  void SetCodePage(std::string_view name);
  bool utf8() const { return utf8_; }

  std::u16string Decode(std::string_view bytes) const;
  void Decode(std::string_view bytes, std::u16string& out) const;

 private:
  bool utf8_ = false;
  const DxfCodePageTable* page_ = nullptr;
};

// The release number of an $ACADVER value ("AC1015" gives 1015); 0 when it is not one.
int DxfReleaseNumber(std::string_view acadver);

}  // namespace korvo
