// Host failures during the mark commands: warnings, the codes that reach the host, and the
// 32-bit edition's error dialog.
#include <gtest/gtest.h>

#include "host_run.h"

using namespace orvan::aitest;

namespace {
const json kArtwork = BoxArtwork(0, 100, 200, 0);
}

struct MissingLayer {
  const char* name;
  bool squares;
  const char* lookup;  // the title lookup that finds nothing
  const char* text;
};

class LayerNotFound : public ::testing::TestWithParam<MissingLayer> {};

TEST_P(LayerNotFound, WarnsAndAnswersZero) {
  const auto& e = ThisEdition();
  HostRun run = RunHost({"--fail", std::string("AI Layer Suite.GetLayerByTitle@") + GetParam().lookup + "=NULL", "--run",
                         GetParam().squares ? e.marksWithSquares : e.marks},
                        &kArtwork);
  const auto go = MessagesOf(run.dump, "AI Menu", "AI Go");
  ASSERT_EQ(go.size(), 1u);
  EXPECT_EQ(go[0]["result"], 0);
  ASSERT_EQ(go[0]["dialogs"].size(), 1u);
  const json& box = go[0]["dialogs"][0];
  EXPECT_EQ(box["caption"], "Warning");
  EXPECT_EQ(box["texts"], json({GetParam().text}));
  EXPECT_EQ(box["buttons"], json({"OK"}));
  EXPECT_EQ(box["answer"], "OK");
  if (GetParam().squares) {
    // What was made before the warning stays: the new "Regmark" layer, empty and locked.
    const json& regmark = LayerOf(run.dump, "Regmark");
    ASSERT_TRUE(regmark.is_object());
    EXPECT_EQ(regmark["editable"], false);
    EXPECT_TRUE(PathsOf(regmark).empty());
  }
}

// Each layer is looked up twice: once to delete an earlier one, once after it was made.
INSTANTIATE_TEST_SUITE_P(
    Layers, LayerNotFound,
    ::testing::Values(MissingLayer{"Regmark", false, "2", "Could not add layer \"Regmark\"!"},
                      MissingLayer{"CutOutSquares", true, "4", "Could not add layer \"Cut Out Regmark\"!"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Failures, FailingStyleWriteEndsTheCommandWithCant) {
  HostRun run = RunHost({"--fail", "AI Path Style Suite.SetPathStyle@3=PARM", "--run", ThisEdition().marks}, &kArtwork);
  const auto go = MessagesOf(run.dump, "AI Menu", "AI Go");
  ASSERT_EQ(go.size(), 1u);
  EXPECT_EQ(go[0]["resultText"], "CANT");
  // Two shapes were styled, the third kept the host's style, and nothing was drawn after it.
  EXPECT_EQ(PathsOf(LayerOf(run.dump, "Regmark")).size(), 3u);
  if (ThisEdition().cs1) {
    ASSERT_EQ(go[0]["dialogs"].size(), 1u);
    EXPECT_EQ(go[0]["dialogs"][0]["texts"],
              json({"The filter cannot complete because of an unknown error.", "CANT"}));
  } else {
    EXPECT_EQ(go[0]["dialogs"], json::array());
  }
}

TEST(Failures, HostErrorWhileMakingTheMarksGroupReachesTheHost) {
  HostRun run = RunHost({"--fail", "AI Art Suite.NewArt@1=LOCK", "--run", ThisEdition().marks}, &kArtwork);
  const auto go = MessagesOf(run.dump, "AI Menu", "AI Go");
  ASSERT_EQ(go.size(), 1u);
  EXPECT_EQ(go[0]["resultText"], "LOCK");
  // The layer stays unlocked and the current layer is not restored.
  EXPECT_EQ(LayerOf(run.dump, "Regmark")["editable"], true);
  EXPECT_EQ(run.dump["currentLayer"], "Regmark");
}

struct ErrorDialogCase {
  const char* name;
  const char* code;
  const char* sentence;
  const char* codeText;
};

class ErrorDialog : public ::testing::TestWithParam<ErrorDialogCase> {};

// The 32-bit edition shows the failure in its error dialog; the 64-bit edition shows nothing. Both
// hand the host's code back as the result of the command.
TEST_P(ErrorDialog, ShowsTheSentenceAndCodeOfTheFailure) {
  HostRun run = RunHost({"--fail", std::string("AI Art Suite.GetFirstArtOfLayer@1=") + GetParam().code, "--run",
                         ThisEdition().marks},
                        &kArtwork);
  const auto go = MessagesOf(run.dump, "AI Menu", "AI Go");
  ASSERT_EQ(go.size(), 1u);
  EXPECT_EQ(go[0]["resultText"], GetParam().codeText);
  if (!ThisEdition().cs1) {
    EXPECT_EQ(go[0]["dialogs"], json::array());
    return;
  }
  ASSERT_EQ(go[0]["dialogs"].size(), 1u);
  const json& dialog = go[0]["dialogs"][0];
  EXPECT_EQ(dialog["caption"], "Plug-in Error");
  EXPECT_EQ(dialog["texts"], json({GetParam().sentence, GetParam().codeText}));
  EXPECT_EQ(dialog["answer"], "OK");
}

INSTANTIATE_TEST_SUITE_P(
    Codes, ErrorDialog,
    ::testing::Values(
        ErrorDialogCase{"MemoryFull", "-108",
                        "The filter cannot complete because there isn't enough memory (RAM) available.", "-108"},
        ErrorDialogCase{"Decimal271", "271",
                        "The filter cannot complete because there isn't enough memory (RAM) available.", "271"},
        ErrorDialogCase{"BadSelection", "!sel", "The selection is not valid for this filter.", "!sel"},
        ErrorDialogCase{"LockedLayer", "SEGM", "The filter cannot complete because a layer is locked or invisible.",
                        "SEGM"},
        ErrorDialogCase{"UnknownCode", "XYZW", "The filter cannot complete because of an unknown error.", "XYZW"},
        ErrorDialogCase{"UnknownNumber", "1234", "The filter cannot complete because of an unknown error.", "1234"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Failures, StopShowsNothing) {
  HostRun run = RunHost({"--fail", "AI Art Suite.GetFirstArtOfLayer@1=STOP", "--run", ThisEdition().marks}, &kArtwork);
  const auto go = MessagesOf(run.dump, "AI Menu", "AI Go");
  ASSERT_EQ(go.size(), 1u);
  EXPECT_EQ(go[0]["resultText"], "STOP");
  EXPECT_EQ(go[0]["dialogs"], json::array());
}

TEST(AboutBox, OpensFromTheHostsAboutMessageAndClosesWithOk) {
  HostRun run = RunHost({"--about"}, &kArtwork);
  const auto about = MessagesOf(run.dump, "SP Interface", "About");
  ASSERT_EQ(about.size(), 1u);
  EXPECT_EQ(about[0]["result"], 0);
  if (!ThisEdition().cs1) {
    EXPECT_EQ(about[0]["dialogs"], json::array());
    return;
  }
  ASSERT_EQ(about[0]["dialogs"].size(), 1u);
  EXPECT_EQ(about[0]["dialogs"][0]["caption"], "About Cutrix Registration Marks");
  EXPECT_EQ(about[0]["dialogs"][0]["answer"], "OK");
  EXPECT_FALSE(about[0]["dialogs"][0]["timedOut"]);
}
