#pragma once

// The boundary between the editor and a plug-in module: the only header both sides share.
// It holds the entry point, the context's function table, the settings record, the service
// ids with their function types, and the codes, flags and placement arguments the services
// agree on. Nothing of the host's classes crosses it: entities, layers, blocks, line types,
// text styles and dialogs are opaque pointers that the host checks before it uses them.
//
// Conventions of every service: `extern "C"`, the context first; strings are zero-terminated
// UTF-16; a service answers 0 (or null) when it fails, when the context has no view or
// drawing, or when an object pointer does not belong to the context's drawing.

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace korvo {

// The host's per-command context. The plug-in sees only its first word, a pointer to a
// PluginServiceTable.
class PluginContext;

// Opaque objects handed out by the host.
struct PluginEntity;
struct PluginLayer;
struct PluginBlock;
struct PluginLineType;
struct PluginTextStyle;
struct PluginDialog;

struct PluginPoint {
  double x;
  double y;
};
static_assert(sizeof(PluginPoint) == 16);

// The context's table of one function.
struct PluginServiceTable {
  void* (*getService)(PluginContext* context, int32_t serviceId);
};

// The service with `serviceId`, or null when the host has none.
inline void* GetPluginService(PluginContext* context, int32_t serviceId) {
  if (context == nullptr) return nullptr;
  const PluginServiceTable* table = nullptr;
  std::memcpy(&table, static_cast<const void*>(context), sizeof table);
  return table != nullptr && table->getService != nullptr ? table->getService(context, serviceId)
                                                          : nullptr;
}

// --- Entry points of a plug-in module

// Runs the command `commandName` (compared without regard to case). 1 when the command ran,
// 0 when it is unknown or could not start.
extern "C" int KorvoCADPluginProc(PluginContext* context, const char16_t* commandName);
using PluginProc = int (*)(PluginContext* context, const char16_t* commandName);
inline constexpr char kPluginProcName[] = "KorvoCADPluginProc";

// The module's string resource `id`, copied into `buffer` (at most capacity - 1 characters,
// always terminated when capacity > 0). Returns the number of characters copied; 0 when the
// module has no such string. The host reads message texts of MessageBoxId through it.
extern "C" int32_t KorvoCADPluginString(int32_t id, char16_t* buffer, int32_t capacity);
using PluginStringProc = int32_t (*)(int32_t id, char16_t* buffer, int32_t capacity);
inline constexpr char kPluginStringName[] = "KorvoCADPluginString";

// Strings a service writes into a caller's buffer: the buffer holds this many characters,
// the terminating zero included; longer values are cut and always terminated.
inline constexpr int32_t kPluginTextCapacity = 256;
// Choice lists loaded from the string table may be this long (terminator included).
inline constexpr int32_t kPluginListCapacity = 20480;

// --- Settings record (services 167 and 168): 256 bytes, offsets fixed.

// The current line type, layer and text style travel as 32-bit handles that the host issues
// for this drawing; 0 is no object.
using PluginHandle = uint32_t;

struct SettingsRecord {
  uint8_t whiteBackground;  // 1 white, 0 black
  uint8_t padding1[7];
  double limitsMin[2];
  double limitsMax[2];
  double basePoint[2];
  double viewOrigin[2];
  double viewExtent[2];
  double visibleSize[2];  // filled by 167, ignored by 168
  double gridSpacing;
  double snapSpacing;
  double values[5];  // carried over unchanged
  double workAngle;  // carried over unchanged
  double workValue;  // carried over unchanged
  uint8_t workFlag;  // carried over unchanged
  uint8_t padding2[7];
  double workValues[2];  // carried over unchanged
  double lineWeight;
  uint8_t gridOn;
  uint8_t orthoSnapOn;
  uint8_t gridSnapOn;
  uint8_t objectSnapOn;
  uint8_t intersectionSnapOn;
  uint8_t showSplineFrame;
  uint8_t padding3[2];
  int32_t splineSegments;
  int32_t mode;  // carried over unchanged
  double linetypeScale;
  double pointDisplaySize;
  uint8_t pointDisplayMode;  // 0-4, 32-36, 64-68 or 96-100
  uint8_t padding4;
  int16_t colorIndex;
  PluginHandle lineType;
  PluginHandle layer;
  PluginHandle textStyle;
};

static_assert(sizeof(SettingsRecord) == 256);
static_assert(offsetof(SettingsRecord, whiteBackground) == 0);
static_assert(offsetof(SettingsRecord, limitsMin) == 8);
static_assert(offsetof(SettingsRecord, limitsMax) == 24);
static_assert(offsetof(SettingsRecord, basePoint) == 40);
static_assert(offsetof(SettingsRecord, viewOrigin) == 56);
static_assert(offsetof(SettingsRecord, viewExtent) == 72);
static_assert(offsetof(SettingsRecord, visibleSize) == 88);
static_assert(offsetof(SettingsRecord, gridSpacing) == 104);
static_assert(offsetof(SettingsRecord, snapSpacing) == 112);
static_assert(offsetof(SettingsRecord, values) == 120);
static_assert(offsetof(SettingsRecord, workAngle) == 160);
static_assert(offsetof(SettingsRecord, workValue) == 168);
static_assert(offsetof(SettingsRecord, workFlag) == 176);
static_assert(offsetof(SettingsRecord, workValues) == 184);
static_assert(offsetof(SettingsRecord, lineWeight) == 200);
static_assert(offsetof(SettingsRecord, gridOn) == 208);
static_assert(offsetof(SettingsRecord, orthoSnapOn) == 209);
static_assert(offsetof(SettingsRecord, gridSnapOn) == 210);
static_assert(offsetof(SettingsRecord, objectSnapOn) == 211);
static_assert(offsetof(SettingsRecord, intersectionSnapOn) == 212);
static_assert(offsetof(SettingsRecord, showSplineFrame) == 213);
static_assert(offsetof(SettingsRecord, splineSegments) == 216);
static_assert(offsetof(SettingsRecord, mode) == 220);
static_assert(offsetof(SettingsRecord, linetypeScale) == 224);
static_assert(offsetof(SettingsRecord, pointDisplaySize) == 232);
static_assert(offsetof(SettingsRecord, pointDisplayMode) == 240);
static_assert(offsetof(SettingsRecord, colorIndex) == 242);
static_assert(offsetof(SettingsRecord, lineType) == 244);
static_assert(offsetof(SettingsRecord, layer) == 248);
static_assert(offsetof(SettingsRecord, textStyle) == 252);

// --- Input codes: results of GetPoint and the other questions.
namespace PluginInput {
inline constexpr int32_t CursorMoved = 2;  // out = the cursor; draw a preview and ask again
inline constexpr int32_t Enter = 3;        // nothing picked
inline constexpr int32_t Picked = 4;       // out = the point given
inline constexpr int32_t Default = 5;      // out = the reference point
inline constexpr int32_t Cancel = 7;
inline constexpr int32_t NotAvailable = 8;  // no view or no drawing
inline constexpr int32_t PenMoved = 9;      // ask again
inline constexpr int32_t QueueBroken = 1000;
}  // namespace PluginInput

// --- Flags of GetPoint, passed through to the host's point input.
namespace PluginPointFlag {
inline constexpr uint32_t NoBase = 0x01;
inline constexpr uint32_t NoDefault = 0x02;  // Enter not accepted, unless AllowDefault
inline constexpr uint32_t ShowAngle = 0x04;  // "%g" = angle in degrees, base to reference
inline constexpr uint32_t ShowDistance = 0x08;
inline constexpr uint32_t KeepWaiting = 0x10;  // no codes 2 and 9
inline constexpr uint32_t AllowDefault = 0x40;
inline constexpr uint32_t ZeroAngleAs360 = 0x400;
}  // namespace PluginPointFlag

// --- Placement arguments: the last five arguments of every entity-creating service.
//   int16_t colorIndex       -1 keeps the drawing's current colour; 0 by block, 256 by layer
//   double lineWeight        -1.0 keeps the default
//   const char16_t* layer    null: the current layer; else the name of an existing layer
//   const char16_t* lineType null: the current line type; PluginByBlockLineType(),
//                            PluginByLayerLineType(), or a name (drawing, then library)
//   const char16_t* target   null: the drawing; PluginTemporaryTarget() or "": a temporary
//                            entity; else the name of a block definition (made when missing)
inline constexpr int16_t kPluginCurrentColor = -1;
inline constexpr double kPluginDefaultLineWeight = -1.0;
inline const char16_t* PluginByBlockLineType() {
  return reinterpret_cast<const char16_t*>(uintptr_t{2});
}
inline const char16_t* PluginByLayerLineType() {
  return reinterpret_cast<const char16_t*>(uintptr_t{3});
}
inline const char16_t* PluginTemporaryTarget() {
  return reinterpret_cast<const char16_t*>(uintptr_t{1});
}
#define KORVO_PLACEMENT                                                                   \
  int16_t colorIndex, double lineWeight, const char16_t *layer, const char16_t *lineType, \
      const char16_t *target

// --- Message box styles and results (services 208, 209).
namespace PluginMessage {
inline constexpr int32_t Ok = 0x00;
inline constexpr int32_t OkCancel = 0x01;
inline constexpr int32_t YesNoCancel = 0x03;
inline constexpr int32_t YesNo = 0x04;
inline constexpr int32_t IconStop = 0x10;
inline constexpr int32_t IconQuestion = 0x20;
inline constexpr int32_t IconExclamation = 0x30;
inline constexpr int32_t IconInformation = 0x40;
inline constexpr int32_t ResultOk = 1;
inline constexpr int32_t ResultCancel = 2;
inline constexpr int32_t ResultYes = 6;
inline constexpr int32_t ResultNo = 7;
}  // namespace PluginMessage

// --- Property values (services 155/156, 166/217, 223/224) by group code. The value's type
// is the one the object keeps for that code:
//   doubles (10-59, 140-149, 370 line weight)   double
//   integers (60-99, 62 colour index, 170-179)  int32_t
//   coordinate pairs ((a << 16) | b)            PluginPoint, x first
//   names and texts (1, 2, 3, 6, 7, 8)          get: char16_t[kPluginTextCapacity];
//                                               set: const char16_t*
// Setting 6 (line type) or 8 (layer) of an entity takes a PluginLineType* / PluginLayer*.
inline constexpr int32_t PluginPairCode(int32_t first, int32_t second) {
  return (first << 16) | second;
}

// --- Service ids and function types. Ids 125, 126, 142, 143, 145-147, 157-160, 175, 176,
// 210, 211 and 216 are not assigned; GetService answers null for them and for any id
// outside 100..228.
namespace PluginService {
inline constexpr int32_t First = 100;
inline constexpr int32_t Last = 228;

inline constexpr int32_t GetArguments = 100;
inline constexpr int32_t GetDocumentPath = 101;
inline constexpr int32_t GetDocumentTitle = 102;
inline constexpr int32_t GetMainWindow = 103;
inline constexpr int32_t GetProfileInt = 104;
inline constexpr int32_t WriteProfileInt = 105;
inline constexpr int32_t GetProfileString = 106;
inline constexpr int32_t WriteProfileString = 107;
inline constexpr int32_t GetProfileBinary = 108;
inline constexpr int32_t WriteProfileBinary = 109;
inline constexpr int32_t GetPoint = 110;
inline constexpr int32_t QueuePoint = 111;
inline constexpr int32_t PumpMessages = 112;
inline constexpr int32_t AddPoint = 113;
inline constexpr int32_t AddLine = 114;
inline constexpr int32_t AddCircleDiameter = 115;
inline constexpr int32_t AddCircle3P = 116;
inline constexpr int32_t AddCircleCenterPoint = 117;
inline constexpr int32_t AddCircle = 118;
inline constexpr int32_t AddSolid = 119;
inline constexpr int32_t AddTrace = 120;
inline constexpr int32_t AddArc3P = 121;
inline constexpr int32_t AddArcCenterStartEnd = 122;
inline constexpr int32_t AddArc = 123;
inline constexpr int32_t AddText = 124;
inline constexpr int32_t RefreshBlocks = 127;
inline constexpr int32_t ShowMainBar = 128;
inline constexpr int32_t DeleteTemporary = 129;
inline constexpr int32_t DrawEntity = 130;
inline constexpr int32_t PickEntity = 131;
inline constexpr int32_t SelectObjects = 132;
inline constexpr int32_t EraseSelected = 133;
inline constexpr int32_t EraseEntity = 134;
inline constexpr int32_t FirstSelected = 135;
inline constexpr int32_t NextSelected = 136;
inline constexpr int32_t PreviousSelected = 137;
inline constexpr int32_t FirstChild = 138;
inline constexpr int32_t NextChild = 139;
inline constexpr int32_t PreviousChild = 140;
inline constexpr int32_t GetEntityKind = 141;
inline constexpr int32_t IsEntityActive = 144;
inline constexpr int32_t TranslateEntity = 148;
inline constexpr int32_t ScaleEntity = 149;
inline constexpr int32_t RotateEntity = 150;
inline constexpr int32_t FindLayer = 151;
inline constexpr int32_t AddLayer = 152;
inline constexpr int32_t FirstLayer = 153;
inline constexpr int32_t NextLayer = 154;
inline constexpr int32_t GetLayerProperty = 155;
inline constexpr int32_t SetLayerProperty = 156;
inline constexpr int32_t FindBlock = 161;
inline constexpr int32_t FirstBlock = 162;
inline constexpr int32_t NextBlock = 163;
inline constexpr int32_t GetBlockBase = 164;
inline constexpr int32_t SetBlockBase = 165;
inline constexpr int32_t GetEntityProperty = 166;
inline constexpr int32_t GetDrawingSettings = 167;
inline constexpr int32_t SetDrawingSettings = 168;
inline constexpr int32_t StopCommand = 169;
inline constexpr int32_t LastSelected = 170;
inline constexpr int32_t LastChild = 171;
inline constexpr int32_t ExportBitmap = 172;
inline constexpr int32_t SetSelected = 173;
inline constexpr int32_t Intersect = 174;
inline constexpr int32_t GetModuleHandle = 177;
inline constexpr int32_t FreeMemory = 178;
inline constexpr int32_t GetEntityExtents = 179;
inline constexpr int32_t CreatePropertyDialog = 180;
inline constexpr int32_t CopyEntity = 181;
inline constexpr int32_t AddTextRow = 182;
inline constexpr int32_t AddIntRow = 183;
inline constexpr int32_t AddIntRangeRow = 184;
inline constexpr int32_t AddDoubleRow = 185;
inline constexpr int32_t AddDoubleRangeRow = 186;
inline constexpr int32_t AddYesNoRow = 187;
inline constexpr int32_t AddChoiceRow = 188;
inline constexpr int32_t RunDialog = 189;
inline constexpr int32_t AddListRow = 190;
inline constexpr int32_t SetTextRow = 191;
inline constexpr int32_t SetIntRow = 192;
inline constexpr int32_t SetIntRangeRow = 193;
inline constexpr int32_t SetDoubleRow = 194;
inline constexpr int32_t SetDoubleRangeRow = 195;
inline constexpr int32_t SetYesNoRow = 196;
inline constexpr int32_t SetChoiceRow = 197;
inline constexpr int32_t SetListRow = 198;
inline constexpr int32_t GetRowText = 199;
inline constexpr int32_t GetRowInt = 200;
inline constexpr int32_t GetRowIntRange = 201;
inline constexpr int32_t GetRowDouble = 202;
inline constexpr int32_t GetRowDoubleRange = 203;
inline constexpr int32_t GetRowYesNo = 204;
inline constexpr int32_t GetRowChoice = 205;
inline constexpr int32_t GetRowValue = 206;
inline constexpr int32_t DestroyDialog = 207;
inline constexpr int32_t MessageBox = 208;
inline constexpr int32_t MessageBoxId = 209;
inline constexpr int32_t AddEllipticArc = 212;
inline constexpr int32_t AddEllipticArc3P = 213;
inline constexpr int32_t FindLineType = 214;
inline constexpr int32_t GetLineTypeName = 215;
inline constexpr int32_t SetEntityProperty = 217;
inline constexpr int32_t RegenerateEntity = 218;
inline constexpr int32_t AddPolylineVertex = 219;
inline constexpr int32_t AddPolyline = 220;
inline constexpr int32_t AddTextStyle = 221;
inline constexpr int32_t FindTextStyle = 222;
inline constexpr int32_t GetTextStyleProperty = 223;
inline constexpr int32_t SetTextStyleProperty = 224;
inline constexpr int32_t FirstTextStyle = 225;
inline constexpr int32_t NextTextStyle = 226;
inline constexpr int32_t FirstLineType = 227;
inline constexpr int32_t NextLineType = 228;
}  // namespace PluginService

// The function type of each service. Booleans are int32_t (1 true, 0 false); flag bytes and
// yes/no values are uint8_t. Out strings are char16_t buffers of kPluginTextCapacity
// characters unless a length is passed.
extern "C" {
using PluginPtr = PluginContext*;
using PluginStr = const char16_t*;
using PluginEnt = PluginEntity*;

using GetArgumentsFn = PluginStr (*)(PluginPtr);
using GetDocumentPathFn = PluginStr (*)(PluginPtr);
using GetDocumentTitleFn = PluginStr (*)(PluginPtr);
using GetMainWindowFn = void* (*)(PluginPtr);
using GetProfileIntFn = int32_t (*)(PluginPtr, PluginStr section, PluginStr entry,
                                    int32_t defaultValue, int32_t* out);
using WriteProfileIntFn = int32_t (*)(PluginPtr, PluginStr section, PluginStr entry, int32_t value);
// `out`: kPluginTextCapacity characters.
using GetProfileStringFn = int32_t (*)(PluginPtr, PluginStr section, PluginStr entry,
                                       PluginStr defaultValue, char16_t* out);
using WriteProfileStringFn = int32_t (*)(PluginPtr, PluginStr section, PluginStr entry,
                                         PluginStr value);
// `size`: in, the buffer's capacity in bytes; out, the bytes stored (or needed, when the
// answer is 0 because the buffer was too small).
using GetProfileBinaryFn = int32_t (*)(PluginPtr, PluginStr section, PluginStr entry, void* buffer,
                                       uint32_t* size);
using WriteProfileBinaryFn = int32_t (*)(PluginPtr, PluginStr section, PluginStr entry,
                                         const void* buffer, uint32_t size);

using GetPointFn = int32_t (*)(PluginPtr, const PluginPoint* base, const PluginPoint* reference,
                               PluginPoint* out, PluginStr prompt, PluginStr help, uint32_t flags);
using QueuePointFn = int32_t (*)(PluginPtr, const PluginPoint* point, int32_t code);
using PumpMessagesFn = int32_t (*)(PluginPtr);

using AddPointFn = PluginEnt (*)(PluginPtr, const PluginPoint* position, KORVO_PLACEMENT);
using AddLineFn = PluginEnt (*)(PluginPtr, const PluginPoint* start, const PluginPoint* end,
                                KORVO_PLACEMENT);
using AddCircleDiameterFn = PluginEnt (*)(PluginPtr, const PluginPoint* end1,
                                          const PluginPoint* end2, KORVO_PLACEMENT);
using AddCircle3PFn = PluginEnt (*)(PluginPtr, const PluginPoint* a, const PluginPoint* b,
                                    const PluginPoint* c, KORVO_PLACEMENT);
using AddCircleCenterPointFn = PluginEnt (*)(PluginPtr, const PluginPoint* center,
                                             const PluginPoint* onCircle, KORVO_PLACEMENT);
using AddCircleFn = PluginEnt (*)(PluginPtr, const PluginPoint* center, double radius,
                                  KORVO_PLACEMENT);
// `corners`: four points. A solid's corners in boundary order; a trace's as its two ends, each
// left then right: start-left, start-right, end-left, end-right.
using AddSolidFn = PluginEnt (*)(PluginPtr, const PluginPoint* corners, KORVO_PLACEMENT);
using AddTraceFn = PluginEnt (*)(PluginPtr, const PluginPoint* corners, KORVO_PLACEMENT);
using AddArc3PFn = PluginEnt (*)(PluginPtr, const PluginPoint* start, const PluginPoint* second,
                                 const PluginPoint* end, KORVO_PLACEMENT);
using AddArcCenterStartEndFn = PluginEnt (*)(PluginPtr, const PluginPoint* center,
                                             const PluginPoint* start, const PluginPoint* end,
                                             KORVO_PLACEMENT);
using AddArcFn = PluginEnt (*)(PluginPtr, const PluginPoint* center, double radius,
                               double startAngle, double endAngle, KORVO_PLACEMENT);
// A single-line text: insertion point, height, rotation (radians), width factor, oblique
// angle (radians), horizontal (72) and vertical (73) alignment codes, the alignment point
// (null: the insertion point), the text, the text style name (null: the current one).
using AddTextFn = PluginEnt (*)(PluginPtr, const PluginPoint* insertion, double height,
                                double rotation, double widthFactor, double obliqueAngle,
                                int32_t horizontalAlignment, int32_t verticalAlignment,
                                const PluginPoint* alignment, PluginStr text, PluginStr textStyle,
                                KORVO_PLACEMENT);

using RefreshBlocksFn = int32_t (*)(PluginPtr);
using ShowMainBarFn = int32_t (*)(PluginPtr);
using DeleteTemporaryFn = int32_t (*)(PluginPtr, PluginEnt entity);
using DrawEntityFn = int32_t (*)(PluginPtr, PluginEnt entity, int32_t xorMode);
using PickEntityFn = int32_t (*)(PluginPtr, PluginStr prompt, PluginEnt* out,
                                 PluginPoint* outPoint);
using SelectObjectsFn = int32_t (*)(PluginPtr, PluginStr prompt);
using EraseSelectedFn = int32_t (*)(PluginPtr);
using EraseEntityFn = int32_t (*)(PluginPtr, PluginEnt entity);
using SelectedWalkFn = int32_t (*)(PluginPtr, PluginEnt* out);  // 135, 136, 137, 170
using ChildWalkFn = int32_t (*)(PluginPtr, PluginEnt container,
                                PluginEnt* out);  // 138, 139, 140, 171
using GetEntityKindFn = int32_t (*)(PluginPtr, PluginEnt entity, uint8_t* out);
using IsEntityActiveFn = int32_t (*)(PluginPtr, PluginEnt entity, uint8_t* out);
using TranslateEntityFn = int32_t (*)(PluginPtr, PluginEnt entity, double dx, double dy);
using ScaleEntityFn = int32_t (*)(PluginPtr, PluginEnt entity, const PluginPoint* base, double sx,
                                  double sy);
using RotateEntityFn = int32_t (*)(PluginPtr, PluginEnt entity, const PluginPoint* center,
                                   double angle);

using FindLayerFn = PluginLayer* (*)(PluginPtr, PluginStr name);
// `lineType` as the placement argument.
using AddLayerFn = PluginLayer* (*)(PluginPtr, PluginStr name, uint8_t flags, int16_t colorIndex,
                                    double lineWeight, PluginStr lineType);
using NameWalkFn = int32_t (*)(PluginPtr, char16_t* outName);  // 153/154, 162/163, 225-228
using GetLayerPropertyFn = int32_t (*)(PluginPtr, PluginLayer* layer, int32_t code, void* out);
using SetLayerPropertyFn = int32_t (*)(PluginPtr, PluginLayer* layer, int32_t code,
                                       const void* value);
using FindBlockFn = PluginBlock* (*)(PluginPtr, PluginStr name);
using GetBlockBaseFn = int32_t (*)(PluginPtr, PluginBlock* block, PluginPoint* out);
using SetBlockBaseFn = int32_t (*)(PluginPtr, PluginBlock* block, const PluginPoint* base);
using GetEntityPropertyFn = int32_t (*)(PluginPtr, PluginEnt entity, int32_t code, void* out);
using GetDrawingSettingsFn = int32_t (*)(PluginPtr, SettingsRecord* out);
using SetDrawingSettingsFn = int32_t (*)(PluginPtr, const SettingsRecord* record);
using StopCommandFn = int32_t (*)(PluginPtr);
// Mode 1 asks the user with the export dialog; the sizes are the bitmap's width and height
// in pixels; `flags` bit 0 = white background.
using ExportBitmapFn = int32_t (*)(PluginPtr, PluginStr fileName, int32_t mode, int32_t width,
                                   int32_t height, int32_t flags);
using SetSelectedFn = int32_t (*)(PluginPtr, PluginEnt entity, int32_t select);
// `*points` is allocated by the host; release it with FreeMemory.
using IntersectFn = int32_t (*)(PluginPtr, PluginEnt a, PluginEnt b, PluginPoint** points,
                                int32_t* count);
using GetModuleHandleFn = void* (*)(PluginPtr);
using FreeMemoryFn = int32_t (*)(PluginPtr, void* memory);
using GetEntityExtentsFn = int32_t (*)(PluginPtr, PluginEnt entity, PluginPoint* min,
                                       PluginPoint* max);
using CreatePropertyDialogFn = PluginDialog* (*)(PluginPtr, PluginStr title, PluginStr name);
using CopyEntityFn = PluginEnt (*)(PluginPtr, PluginEnt source, PluginStr target);

// Rows of a property dialog. The row edits the pointed-to value in place; the pointers must
// stay valid until the dialog is destroyed. A text row edits `text` (maxLength characters
// plus the terminator); without a buffer the row keeps its own.
using AddTextRowFn = int32_t (*)(PluginPtr, PluginDialog* dialog, PluginStr label, char16_t* text,
                                 int32_t maxLength);
using AddIntRowFn = int32_t (*)(PluginPtr, PluginDialog* dialog, PluginStr label, int32_t* value);
using AddIntRangeRowFn = int32_t (*)(PluginPtr, PluginDialog* dialog, PluginStr label,
                                     int32_t* value, int32_t min, int32_t max);
using AddDoubleRowFn = int32_t (*)(PluginPtr, PluginDialog* dialog, PluginStr label, double* value);
using AddDoubleRangeRowFn = int32_t (*)(PluginPtr, PluginDialog* dialog, PluginStr label,
                                        double* value, double min, double max);
using AddYesNoRowFn = int32_t (*)(PluginPtr, PluginDialog* dialog, PluginStr label, uint8_t* value);
using AddChoiceRowFn = int32_t (*)(PluginPtr, PluginDialog* dialog, PluginStr label, uint8_t* value,
                                   PluginStr trueText, PluginStr falseText);
using RunDialogFn = int32_t (*)(PluginPtr, PluginDialog* dialog, int32_t* result);
// `items` separated by line feeds.
using AddListRowFn = int32_t (*)(PluginPtr, PluginDialog* dialog, PluginStr label, int32_t* index,
                                 PluginStr items);
// Setters and getters address a row by its 0-based index.
using SetTextRowFn = int32_t (*)(PluginPtr, PluginDialog* dialog, int32_t row, PluginStr text);
using SetIntRowFn = int32_t (*)(PluginPtr, PluginDialog* dialog, int32_t row, int32_t value);
using SetIntRangeRowFn = int32_t (*)(PluginPtr, PluginDialog* dialog, int32_t row, int32_t value,
                                     int32_t min, int32_t max);
using SetDoubleRowFn = int32_t (*)(PluginPtr, PluginDialog* dialog, int32_t row, double value);
using SetDoubleRangeRowFn = int32_t (*)(PluginPtr, PluginDialog* dialog, int32_t row, double value,
                                        double min, double max);
using SetYesNoRowFn = int32_t (*)(PluginPtr, PluginDialog* dialog, int32_t row, uint8_t value);
using SetChoiceRowFn = int32_t (*)(PluginPtr, PluginDialog* dialog, int32_t row, uint8_t value,
                                   PluginStr trueText, PluginStr falseText);
using SetListRowFn = int32_t (*)(PluginPtr, PluginDialog* dialog, int32_t row, int32_t index,
                                 PluginStr items);
// `out`: kPluginTextCapacity characters.
using GetRowTextFn = int32_t (*)(PluginPtr, PluginDialog* dialog, int32_t row, char16_t* out);
using GetRowIntFn = int32_t (*)(PluginPtr, PluginDialog* dialog, int32_t row, int32_t* out);
using GetRowDoubleFn = int32_t (*)(PluginPtr, PluginDialog* dialog, int32_t row, double* out);
using GetRowFlagFn = int32_t (*)(PluginPtr, PluginDialog* dialog, int32_t row,
                                 uint8_t* out);  // 204, 205
// 200 GetRowInt, 201 GetRowIntRange and 206 GetRowValue (a list row's index) share
// GetRowIntFn; 202 and 203 share GetRowDoubleFn.
using DestroyDialogFn = int32_t (*)(PluginPtr, PluginDialog* dialog);
using MessageBoxFn = int32_t (*)(PluginPtr, PluginStr text, int32_t style, int32_t* result);
using MessageBoxIdFn = int32_t (*)(PluginPtr, int32_t stringId, int32_t style, int32_t* result);

// Centre, major radius, ratio of minor to major radius, direction of the major axis, start
// and end parameters (radians).
using AddEllipticArcFn = PluginEnt (*)(PluginPtr, const PluginPoint* center, double majorRadius,
                                       double ratio, double axisAngle, double startParameter,
                                       double endParameter, KORVO_PLACEMENT);
// The ellipse with centre `center`, major axis end `majorEnd` and minor radius through
// `minorPoint`, from the start to the end parameter.
using AddEllipticArc3PFn = PluginEnt (*)(PluginPtr, const PluginPoint* center,
                                         const PluginPoint* majorEnd, const PluginPoint* minorPoint,
                                         double startParameter, double endParameter,
                                         KORVO_PLACEMENT);
using FindLineTypeFn = PluginLineType* (*)(PluginPtr, PluginStr name);
using GetLineTypeNameFn = int32_t (*)(PluginPtr, PluginLineType* lineType, char16_t* out);
using SetEntityPropertyFn = int32_t (*)(PluginPtr, PluginEnt entity, int32_t code,
                                        const void* value);
using RegenerateEntityFn = int32_t (*)(PluginPtr, PluginEnt entity);
using AddPolylineVertexFn = int32_t (*)(PluginPtr, const PluginPoint* position, double startWidth,
                                        double endWidth, double bulge, double tangentDirection,
                                        uint8_t vertexFlags, PluginEnt polyline);
using AddPolylineFn = PluginEnt (*)(PluginPtr, int32_t closed, KORVO_PLACEMENT);
// Name, font file name, fixed height, width factor, oblique angle (radians), generation
// flags (71).
using AddTextStyleFn = PluginTextStyle* (*)(PluginPtr, PluginStr name, PluginStr font,
                                            double height, double widthFactor, double obliqueAngle,
                                            int32_t flags);
using FindTextStyleFn = PluginTextStyle* (*)(PluginPtr, PluginStr name);
using GetTextStylePropertyFn = int32_t (*)(PluginPtr, PluginTextStyle* style, int32_t code,
                                           void* out);
using SetTextStylePropertyFn = int32_t (*)(PluginPtr, PluginTextStyle* style, int32_t code,
                                           const void* value);
}  // extern "C"

#undef KORVO_PLACEMENT

}  // namespace korvo
