// Every sample and fixture drawing, exported as DXF and imported again, gives the same dump
// but for what DXF (as the export writes it) cannot carry; the README lists those, and
// NormalizeForDxf below states each of them.
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <numbers>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/drawing_dump.h"
#include "core/arc_entity.h"
#include "core/circle_entity.h"
#include "core/drawing.h"
#include "core/drawing_file.h"
#include "core/ellipse_entity.h"
#include "core/insert_entity.h"
#include "core/text_entity.h"
#include "core/text_style.h"
#include "exchange/dxf_export.h"
#include "exchange/dxf_import.h"
#include "platform/message_box.h"
#include "tests/support/scratch_folder.h"
#include "text/text_layout.h"

namespace korvo {
namespace {

constexpr double kPi = std::numbers::pi;

// A parsed dump: just enough JSON for what the dump writes.
struct Json {
  enum class Kind { Null, Number, String, Array, Object } kind = Kind::Null;
  double number = 0;
  std::string text;
  std::vector<Json> items;
  std::vector<std::pair<std::string, Json>> members;

  const Json* Member(std::string_view key) const {
    for (const auto& [name, value] : members) {
      if (name == key) return &value;
    }
    return nullptr;
  }
  void Remove(std::string_view key) {
    std::erase_if(members, [&](const auto& member) { return member.first == key; });
  }
};

class JsonParser {
 public:
  explicit JsonParser(std::string_view text) : text_(text) {}
  Json Parse() {
    Blanks();
    Json value;
    const char c = text_[at_];
    if (c == '{') {
      value.kind = Json::Kind::Object;
      ++at_;
      while (Blanks(), text_[at_] != '}') {
        std::string key = String();
        Blanks();
        ++at_;  // ':'
        value.members.emplace_back(std::move(key), Parse());
        Blanks();
        if (text_[at_] == ',') ++at_;
      }
      ++at_;
    } else if (c == '[') {
      value.kind = Json::Kind::Array;
      ++at_;
      while (Blanks(), text_[at_] != ']') {
        value.items.push_back(Parse());
        Blanks();
        if (text_[at_] == ',') ++at_;
      }
      ++at_;
    } else if (c == '"') {
      value.kind = Json::Kind::String;
      value.text = String();
    } else if (text_.substr(at_, 4) == "null") {
      at_ += 4;
    } else {
      value.kind = Json::Kind::Number;
      std::size_t used = 0;
      value.number = std::stod(std::string(text_.substr(at_, 40)), &used);
      at_ += used;
    }
    return value;
  }

 private:
  void Blanks() {
    while (at_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[at_]))) ++at_;
  }
  // The raw text between the quotes, escapes as written.
  std::string String() {
    std::string out;
    for (++at_; text_[at_] != '"'; ++at_) {
      if (text_[at_] == '\\') out.push_back(text_[at_++]);
      out.push_back(text_[at_]);
    }
    ++at_;
    return out;
  }
  std::string_view text_;
  std::size_t at_ = 0;
};

// Numbers agree to the precision the export writes ("%lf", six decimals), and a little
// beyond for values derived from several of them (an ellipse's radius from its axis).
void Compare(const Json& a, const Json& b, const std::string& path,
             std::vector<std::string>& differences, double scale = 1) {
  if (a.kind != b.kind) {
    differences.push_back(path + ": kinds differ");
    return;
  }
  switch (a.kind) {
    case Json::Kind::Null:
      return;
    case Json::Kind::Number:
      if (!(std::fabs(a.number - b.number) <= 1e-5 * std::max(scale, std::fabs(a.number)))) {
        differences.push_back(path + ": " + std::to_string(a.number) + " vs " +
                              std::to_string(b.number));
      }
      return;
    case Json::Kind::String:
      if (a.text != b.text) differences.push_back(path + ": " + a.text + " vs " + b.text);
      return;
    case Json::Kind::Array:
      if (a.items.size() != b.items.size()) {
        differences.push_back(path + ": " + std::to_string(a.items.size()) + " vs " +
                              std::to_string(b.items.size()) + " items");
        return;
      }
      for (std::size_t i = 0; i < a.items.size(); ++i) {
        Compare(a.items[i], b.items[i], path + "[" + std::to_string(i) + "]", differences, scale);
      }
      return;
    case Json::Kind::Object:
      if (a.members.size() != b.members.size()) {
        std::string keys;
        for (const auto& member : a.members) keys += member.first + " ";
        keys += "vs ";
        for (const auto& member : b.members) keys += member.first + " ";
        differences.push_back(path + ": members differ: " + keys);
        return;
      }
      // The view is written as centre, height and an aspect ratio of six decimals: its
      // corners are as good as the ratio times the height.
      if (const Json* extent = a.Member("viewExtent")) scale = extent->items[1].number;
      for (std::size_t i = 0; i < a.members.size(); ++i) {
        if (a.members[i].first != b.members[i].first) {
          differences.push_back(path + ": " + a.members[i].first + " vs " + b.members[i].first);
          continue;
        }
        const bool view = a.members[i].first.starts_with("view");
        Compare(a.members[i].second, b.members[i].second, path + "." + a.members[i].first,
                differences, view ? scale : 1);
      }
      return;
  }
}

// The fields of the dump DXF cannot carry: left out of both dumps.
Json DumpWithoutUncarried(const Drawing& drawing) {
  Json dump = JsonParser(DumpDrawing(drawing, -1)).Parse();
  Json& settings = dump.members[1].second;
  for (const char* key : {"factorA", "factorB", "values", "mode", "currentColorIndex",
                          "currentLineType", "currentLineWeight", "currentTextStyle"}) {
    settings.Remove(key);
  }
  for (auto& [key, value] : dump.members) {
    if (key == "lineTypes") {
      // The built-in types have fixed places in the file, so the table's order is lost.
      std::sort(value.items.begin(), value.items.end(), [](const Json& x, const Json& y) {
        return x.Member("name")->text < y.Member("name")->text;
      });
    } else if (key == "textStyles") {
      for (Json& style : value.items) style.Remove("lineSpacingFactor");
    } else if (key == "blocks") {
      for (Json& block : value.items) {
        block.Remove("extent");
        block.Remove("origin");
      }
    }
  }
  return dump;
}

std::u16string Underscored(std::u16string name) {
  std::replace(name.begin(), name.end(), u' ', u'_');
  return name;
}

double ToHalfOpenTurn(double angle) {
  angle = std::remainder(angle, 2 * kPi);
  return angle <= -kPi ? angle + 2 * kPi : angle;
}

// What the export writes of a curve with a ratio: the longer axis as the major one, and a
// full turn as a full ellipse.
Entity* CurveAsWritten(const Entity& entity) {
  const ArcEntity* arc = entity.AsArc();
  const CircleEntity* circle = entity.AsCircle();
  double radius = arc ? arc->radius : circle->radius;
  double ratio = arc ? arc->ratio : circle->ratio;
  double rotation = arc ? arc->rotation : circle->rotation;
  double start = arc ? arc->startAngle : 0, end = arc ? arc->endAngle : 2 * kPi;
  if (ratio == 1.0) return nullptr;
  if (ratio > 1) {
    rotation += kPi / 2;
    radius *= ratio;
    ratio = 1 / ratio;
    start -= kPi / 2;
    end -= kPi / 2;
  }
  rotation = ToHalfOpenTurn(rotation);
  Entity* written = nullptr;
  if (std::fabs(end - start - 2 * kPi) < 1e-6) {
    auto* full = new CircleEntity();
    full->center = arc ? arc->center : circle->center;
    full->radius = radius;
    full->ratio = ratio;
    full->rotation = rotation;
    written = full;
  } else {
    auto* ellipse = new EllipseEntity();
    ellipse->center = arc->center;
    ellipse->radius = radius;
    ellipse->ratio = ratio;
    ellipse->rotation = rotation;
    ellipse->startAngle = start;
    ellipse->endAngle = end;
    ellipse->NormalizeArc();
    written = ellipse;
  }
  written->CopyProperties(entity);
  return written;
}

// Each line of a text as the export writes it: left-aligned where the layout starts it.
std::vector<Entity*> LinesAsWritten(const TextEntity& text) {
  std::vector<Entity*> lines;
  const std::vector<Point> starts = TextLineStarts(text.Placement());
  std::size_t begin = 0;
  for (const Point& start : starts) {
    std::size_t end = text.content.find(u'\n', begin);
    if (end == std::u16string::npos) end = text.content.size();
    if (end > begin) {
      auto* line = static_cast<TextEntity*>(EntityList::Clone(text));
      line->content = text.content.substr(begin, end - begin);
      line->insertionPoint = start;
      line->horizontalAlignment = kAlignLeft;
      lines.push_back(line);
    }
    begin = end + 1;
  }
  return lines;
}

// The drawing as DXF can give it back.
void NormalizeList(EntityList& list) {
  for (ListPosition at = list.HeadPosition(); at;) {
    Entity* entity = list.GetAt(at);
    const ListPosition next = list.Next(at);
    if (entity->GetElementCode() == ElementCode::Point) entity->lineWeight = LineWeight::ByLayer;
    if (TextEntity* text = entity->AsText()) {
      // Mirrored sizes come back positive with their mirroring bits.
      if (text->height < 0) text->generationFlags |= kTextUpsideDown;
      if (text->widthFactor < 0) text->generationFlags |= kTextBackward;
      text->height = std::fabs(text->height);
      text->widthFactor = std::fabs(text->widthFactor);
      if (text->content.find(u'\n') != std::u16string::npos) {
        for (Entity* line : LinesAsWritten(*text)) list.InsertBefore(at, line);
        list.RemoveAt(at);
        delete text;
        at = next;
        continue;
      }
    }
    if ((entity->AsArc() != nullptr || entity->AsCircle() != nullptr) &&
        entity->GetElementCode() != ElementCode::WideArcSegment) {
      if (Entity* written = CurveAsWritten(*entity)) {
        list.SetAt(at, written);
        delete entity;
        entity = written;
      } else if (CircleEntity* circle = entity->AsCircle()) {
        circle->rotation = 0;  // a CIRCLE has no axis
      }
    }
    if (InsertEntity* insert = entity->AsInsert(); insert && !entity->AsPolyline()) {
      // What a reference carries is written after it as entities of their own.
      NormalizeList(insert->attached);
      while (!insert->attached.empty()) {
        Entity* part = insert->attached.Head();
        insert->attached.RemoveAt(insert->attached.HeadPosition());
        list.InsertBefore(next, part);
      }
    }
    at = next;
  }
}

void NormalizeForDxf(Drawing& drawing) {
  for (Layer* layer : drawing.layers) layer->name = Underscored(layer->name);
  for (TextStyle* style : drawing.textStyles) style->name = Underscored(style->name);
  NormalizeList(drawing.entities);
  for (BlockDefinition* block : drawing.blocks) NormalizeList(*block);
}

std::vector<std::filesystem::path> Drawings() {
  const std::filesystem::path source(KORVOCAD_SOURCE_DIR);
  std::vector<std::filesystem::path> files;
  for (const auto& folder : {source / "samples", source / "fuzz" / "corpus" / "native"}) {
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      if (entry.path().extension() == ".KorvoDWG") files.push_back(entry.path());
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

TEST(DxfRoundTrip, EverySampleAndFixtureComesBackAsItWasWritten) {
  testing::ScratchFolder folder("korvocad_dxf_round_trip");
  const std::vector<std::filesystem::path> files = Drawings();
  ASSERT_GE(files.size(), 3u);
  for (const std::filesystem::path& file : files) {
    SCOPED_TRACE(file.filename().string());
    RecordingMessageBox messages;
    Drawing original;
    ASSERT_TRUE(OpenDrawing(file, original, messages).opened);
    const std::filesystem::path dxf = folder / (file.stem().string() + ".dxf");
    ASSERT_TRUE(ExportDxf(original, dxf, messages));
    Drawing imported;
    RecordingMessageBox importMessages;
    ASSERT_TRUE(ImportDxf(dxf, imported, importMessages).opened);
    // Only what opening the original said again (a block that refers to itself).
    for (const auto& message : importMessages.Messages()) {
      EXPECT_NE(message.icon, MessageIcon::Information) << "nothing was skipped";
    }
    NormalizeForDxf(original);
    std::vector<std::string> differences;
    Compare(DumpWithoutUncarried(original), DumpWithoutUncarried(imported), "", differences);
    for (std::size_t i = 0; i < differences.size() && i < 20; ++i) ADD_FAILURE() << differences[i];
  }
}

}  // namespace
}  // namespace korvo
