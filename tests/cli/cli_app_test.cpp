#include "cli/cli_app.h"

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/scratch_folder.h"

#include "cli/drawing_dump.h"
#include "core/drawing.h"
#include "core/drawing_file.h"
#include "core/line_entity.h"
#include "core/polyline_entity.h"
#include "exchange/dxf_export.h"
#include "exchange/dxf_sink.h"
#include "platform/file_io.h"
#include "platform/message_box.h"

namespace korvo {
namespace {

const std::filesystem::path kSample =
    std::filesystem::path(KORVOCAD_SOURCE_DIR) / "samples" / "sample.KorvoDWG";

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

CliRun RunWith(std::vector<std::string> args) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunCli(args, out, err);
  return {status, out.str(), err.str()};
}

class CliApp : public ::testing::Test {
 protected:
  std::filesystem::path WriteFile(const std::string& name, const std::string& bytes) {
    const auto path = folder / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }

  testing::ScratchFolder scratch{"korvocad_cli"};
  const std::filesystem::path folder = scratch.path();
};

TEST_F(CliApp, DumpPrintsTheWholeDrawing) {
  const CliRun run = RunWith({"dump", kSample.string()});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  ASSERT_FALSE(run.out.empty());
  EXPECT_EQ(run.out.front(), '{');
  for (const char* expected :
       {"\"version\": 4", "\"name\": \"HIDDEN\"", "\"lineType\": \"DASHED\"", "\"kind\": 18",
        "\"corners\": [[50, 125], [50, 129], [70, 129], [70, 125]]", "\"ratio\": 0.5",
        "\"currentTextStyle\": \"STANDARD\"", "\"pattern\": [12.5, -2.5, 2.5, -2.5]"}) {
    EXPECT_NE(run.out.find(expected), std::string::npos) << expected;
  }
}

TEST_F(CliApp, DumpOfOneLineIsExact) {
  Drawing drawing;
  drawing.New();
  drawing.entities.AddTail(
      new LineEntity(Point(0.1, -0.0), Point(1e300, 1.0 / 3), drawing.settings));
  const std::string dump = DumpDrawing(drawing, 4);
  const std::string entities = dump.substr(dump.find("\"entities\""));
  EXPECT_EQ(entities,
            "\"entities\": [\n"
            "    {\n"
            "      \"kind\": 1,\n"
            "      \"layer\": \"0\",\n"
            "      \"lineType\": \"BYLAYER\",\n"
            "      \"colorIndex\": 256,\n"
            "      \"lineWeight\": -1,\n"
            "      \"start\": [0.1, -0],\n"
            "      \"end\": [1e+300, 0.3333333333333333]\n"
            "    }\n"
            "  ]\n"
            "}\n");
}

TEST_F(CliApp, DumpOfAPolylineListsItsVertices) {
  Drawing drawing;
  drawing.New();
  auto* polyline = new PolylineEntity(drawing.settings);
  polyline->AppendVertex(Point(0, 0), 0.5, 1, -1, 0, 0);
  polyline->AppendVertex(Point(4, 0), 0, 0, 0, 16, 0.25);
  polyline->SetClosed(true);
  drawing.entities.AddTail(polyline);
  const std::string dump = DumpDrawing(drawing, 4);
  const std::string entities = dump.substr(dump.find("\"polylineFlags\""));
  EXPECT_EQ(entities,
            "\"polylineFlags\": 1,\n"
            "      \"curveType\": 0,\n"
            "      \"vertices\": [\n"
            "        {\n"
            "          \"position\": [0, 0],\n"
            "          \"startWidth\": 0.5,\n"
            "          \"endWidth\": 1,\n"
            "          \"bulge\": -1,\n"
            "          \"vertexFlags\": 0,\n"
            "          \"tangentDirection\": 0\n"
            "        },\n"
            "        {\n"
            "          \"position\": [4, 0],\n"
            "          \"startWidth\": 0,\n"
            "          \"endWidth\": 0,\n"
            "          \"bulge\": 0,\n"
            "          \"vertexFlags\": 16,\n"
            "          \"tangentDirection\": 0.25\n"
            "        }\n"
            "      ]\n"
            "    }\n"
            "  ]\n"
            "}\n");
}

TEST_F(CliApp, OpeningMessagesGoToStandardErrorInOrder) {
  std::string damaged;
  {
    const auto bytes = ReadFileBytes(kSample);
    ASSERT_TRUE(bytes.has_value());
    damaged.assign(bytes->begin(), bytes->end());
  }
  // The last entity becomes a kind nobody knows, with consistent check fields.
  std::string unknownKind = damaged;
  const std::size_t last = unknownKind.size() - 30 - 64;  // a solid: header and 8 doubles
  unknownKind[last] = 6;
  unknownKind[last + 11] = 6 ^ 0x55;
  struct Case {
    const char* name;
    std::string bytes;
    std::string err;
    bool printsDrawing;
  } cases[] = {
      {"damaged", damaged.substr(0, damaged.size() - 1), "Unexpected file format.\n", false},
      {"unknown kind", unknownKind, "Undetermined element code: 6\nUnexpected file format.\n",
       false},
      {"unknown magic", "KorvoCAD99 and more", "Failed to open document.\n", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const CliRun run = RunWith({"dump", WriteFile("in.KorvoDWG", c.bytes).string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, c.err);
    EXPECT_EQ(!run.out.empty(), c.printsDrawing);
  }
  const CliRun missing = RunWith({"dump", (folder / "missing.KorvoDWG").string()});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err, "Failed to open document.\n");
}

TEST_F(CliApp, ConvertWritesTheNativeFile) {
  for (const char* name : {"copy.KorvoDWG", "COPY.KORVODWG", "copy"}) {
    SCOPED_TRACE(name);
    const auto out = folder / name;
    const CliRun run = RunWith({"convert", kSample.string(), out.string()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(ReadFileBytes(out), ReadFileBytes(kSample));
    std::filesystem::remove(out);
  }
}

TEST_F(CliApp, ConvertWritesDxfByTheExtension) {
  Drawing sample;
  RecordingMessageBox messages;
  ASSERT_TRUE(OpenDrawing(kSample, sample, messages).opened);
  StringDxfSink expected;
  ASSERT_TRUE(WriteDxfDrawing(sample, expected));
  for (const char* name : {"out.dxf", "OUT.DXF", "out.Dxf"}) {
    SCOPED_TRACE(name);
    const auto out = folder / name;
    const CliRun run = RunWith({"convert", kSample.string(), out.string()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    const auto bytes = ReadFileBytes(out);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(std::string(bytes->begin(), bytes->end()), expected.text);
    std::filesystem::remove(out);
  }
  const CliRun failed =
      RunWith({"convert", kSample.string(), (folder / "no" / "out.dxf").string()});
  EXPECT_EQ(failed.status, 1);
  EXPECT_EQ(failed.err, "Invalid filename.\n");
}

TEST_F(CliApp, ConvertOfAnUnreadableFileWritesNothing) {
  const auto in = WriteFile("in.KorvoDWG", "KorvoCAD04");
  const auto out = WriteFile("out.KorvoDWG", "kept");
  const CliRun run = RunWith({"convert", in.string(), out.string()});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "Unexpected file format.\n");
  const auto kept = ReadFileBytes(out);
  ASSERT_TRUE(kept.has_value());
  EXPECT_EQ(std::string(kept->begin(), kept->end()), "kept");
}

TEST_F(CliApp, ConvertReportsAFailedSave) {
  const CliRun run =
      RunWith({"convert", kSample.string(), (folder / "no" / "out.KorvoDWG").string()});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "Failed to save document.\n");
}

TEST_F(CliApp, HelpAndUsage) {
  const CliRun help = RunWith({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("korvocad-cli dump FILE"), std::string::npos);
  EXPECT_NE(help.out.find("korvocad-cli convert IN OUT"), std::string::npos);
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{}, {"dump"}, {"convert", "a"}, {"print", "a"}}) {
    const CliRun run = RunWith(args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, CliHelp());
  }
}

// The program itself, as the README runs it.
TEST_F(CliApp, TheExecutableDumpsAndReports) {
  auto run = [&](const std::string& arguments) {
    const std::string command =
        std::string(KORVOCAD_CLI_PATH) + " " + arguments + " 2>" + (folder / "err.txt").string();
    FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    std::array<char, 4096> buffer;
    for (std::size_t n; (n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
      out.append(buffer.data(), n);
    const int status = pclose(pipe);
    const auto err = ReadFileBytes(folder / "err.txt");
    return CliRun{WIFEXITED(status) ? WEXITSTATUS(status) : -1, out,
                  err ? std::string(err->begin(), err->end()) : ""};
  };
  const CliRun dump = run("dump '" + kSample.string() + "'");
  EXPECT_EQ(dump.status, 0);
  EXPECT_EQ(dump.out, RunWith({"dump", kSample.string()}).out);
  const CliRun missing = run("dump '" + (folder / "none").string() + "'");
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err, "Failed to open document.\n");
  EXPECT_EQ(run("--help").status, 0);
}

// Output that could not be written is a failure, not an empty success.
TEST_F(CliApp, ADumpThatCannotBeWrittenFails) {
  std::ostream unwritable(nullptr);
  std::ostringstream err;
  const std::vector<std::string> args = {"dump", kSample.string()};
  EXPECT_EQ(RunCli(args, unwritable, err), 1);
  EXPECT_EQ(err.str(), "Failed to write the output.\n");
  if (std::filesystem::exists("/dev/full")) {
    const std::string command =
        std::string(KORVOCAD_CLI_PATH) + " dump '" + kSample.string() + "' >/dev/full 2>/dev/null";
    const int status = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
  }
}

}  // namespace
}  // namespace korvo

namespace korvo {
namespace {

class CliDxf : public ::testing::Test {
 protected:
  std::filesystem::path WriteFile(const std::string& name, const std::string& bytes) {
    const auto path = scratch.path() / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  testing::ScratchFolder scratch{"korvocad_cli_dxf"};
};

constexpr const char* kLineAndHatch =
    "0\nSECTION\n2\nENTITIES\n0\nLINE\n10\n1\n20\n2\n11\n3\n21\n4\n0\nHATCH\n0\nENDSEC\n0\nEOF\n";

// What an import left out is noted, and is no failure.
TEST_F(CliDxf, DumpAndConvertImportDxfAndNoteWhatWasSkipped) {
  const auto dxf = WriteFile("drawing.DXF", kLineAndHatch);
  const CliRun dump = RunWith({"dump", dxf.string()});
  EXPECT_EQ(dump.status, 0);
  EXPECT_EQ(dump.err, "Skipped while reading the DXF file: 1 HATCH.\n");
  EXPECT_NE(dump.out.find("\"version\": null"), std::string::npos);
  EXPECT_NE(dump.out.find("\"start\": [1, 2],"), std::string::npos) << dump.out;

  const auto native = scratch.path() / "drawing.KorvoDWG";
  const CliRun convert = RunWith({"convert", dxf.string(), native.string()});
  EXPECT_EQ(convert.status, 0) << convert.err;
  const CliRun again = RunWith({"dump", native.string()});
  EXPECT_EQ(again.status, 0);
  EXPECT_NE(again.out.find("\"start\": [1, 2],"), std::string::npos);
}

TEST_F(CliDxf, AFileThatCannotBeReadFailsNamingTheLine) {
  const auto dxf = WriteFile("bad.dxf", "0\nSECTION\n2\nENTITIES\n0\nLINE\n10\nx\n");
  const CliRun dump = RunWith({"dump", dxf.string()});
  EXPECT_EQ(dump.status, 1);
  EXPECT_EQ(dump.err, "The DXF file cannot be read: line 8: \"x\" is not a number (group 10)\n");
  EXPECT_TRUE(dump.out.empty());
}

}  // namespace
}  // namespace korvo
