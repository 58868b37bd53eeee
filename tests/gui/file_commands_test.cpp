// New, Open and Save: documents round-trip, a bad document shows the loading error, and a
// file that cannot be read or written is reported without changing anything.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QSlider>
#include <QTemporaryDir>

#include "app/face_dlg.h"
#include "model/document.h"
#include "model/safe_file.h"
#include "render/ui/face_preview.h"
#include "tests/support/qt_files.h"
#include "tests/support/shown_dialog.h"
#include "tests/support/widget_pictures.h"

namespace pelmoro {
namespace {

class FileCommands : public ::testing::Test {
 protected:
  CFaceDlg& dialog() { return *shown.dialog; }
  CFacePreview& preview() { return shown.dialog->Preview(); }
  QAction* selectionItem() { return dialog().Action(ID_ENABLE_SELECTION); }
  QString File(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }
  void Answer(const QString& path) { shown.prompts.answer = path; }

  std::vector<int> SliderValues() {
    std::vector<int> values;
    for (int i = 0; i < CFaceDlg::kSliderCount; ++i) values.push_back(dialog().Slider(i)->value());
    return values;
  }

  // Opens a document made from a face whose fields the caller changed, cut to `size` bytes.
  void OpenDocument(const CFace& face, const FillSettings& fill, std::size_t size = kDocumentSize) {
    const auto bytes = EncodeDocument(face, fill);
    WriteBytes(File("face.plm"), std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + size));
    Answer(File("face.plm"));
    dialog().OnOpen();
  }

  void ExpectLoadErrorShown() {
    EXPECT_TRUE(preview().LoadError());
    EXPECT_FALSE(selectionItem()->isEnabled());
    EXPECT_FALSE(selectionItem()->isChecked());
    EXPECT_FALSE(preview().HasSelection());
    const QImage shownPicture = Shown(&preview());
    EXPECT_EQ(shownPicture.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(shownPicture.pixel(223, 191), qRgb(255, 255, 255));
    int dark = 0;
    for (int y = 10; y < 40; ++y)
      for (int x = 10; x < 120; ++x) dark += qGray(shownPicture.pixel(x, y)) < 100;
    EXPECT_GT(dark, 20) << "no error text at (10, 10)";
    int outside = 0;
    for (int y = 60; y < 192; ++y)
      for (int x = 0; x < 224; ++x) outside += shownPicture.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_EQ(outside, 0) << "something besides the text was drawn";
  }

  QTemporaryDir folder;
  ShownDialog shown;
};

TEST_F(FileCommands, SaveThenOpenRoundTripsFaceAndFill) {
  CFace saved = preview().Face();
  saved.glasses = 4;
  saved.mustache = 4;
  FillSettings savedFill = preview().Fill();
  savedFill.m_nFillType = FillSolid;
  savedFill.m_crBackground = 0x00123456;
  savedFill.m_bBackwardDiagonal = 1;
  preview().SetFace(saved);
  preview().SetFill(savedFill);
  Answer(File("round.plm"));
  dialog().OnSave();
  EXPECT_EQ(ReadBytes(File("round.plm")).size(), kDocumentSize);

  dialog().OnNew();
  ASSERT_FALSE(preview().Face() == saved);
  dialog().OnOpen();
  EXPECT_TRUE(shown.prompts.errors.empty());
  EXPECT_FALSE(preview().LoadError());
  EXPECT_EQ(preview().Face(), saved);
  EXPECT_EQ(preview().Fill(), savedFill);
  EXPECT_EQ(dialog().GlassesList()->currentText(), "sunglasses");
  EXPECT_EQ(dialog().MustacheList()->currentText(), "both");
  for (int i = 0; i < CFaceDlg::kSliderCount; ++i)
    EXPECT_EQ(dialog().Slider(i)->value(), std::min(saved.SliderParameter(i), 9));
  EXPECT_EQ(Shown(&preview()), PipelinePicture(preview().Picture()));

  ASSERT_EQ(shown.prompts.requests.size(), 2u);
  for (const FileDialogRequest& request : shown.prompts.requests) {
    EXPECT_EQ(request.filter, "Pelmoro file (*.plm)");
    EXPECT_EQ(request.defaultSuffix, "plm");
    EXPECT_FALSE(request.directory.isEmpty());
  }
}

TEST_F(FileCommands, TruncatedDocumentShowsTheLoadingErrorAndKeepsTheControls) {
  selectionItem()->trigger();
  ASSERT_TRUE(preview().HasSelection());
  const std::vector<int> sliders = SliderValues();
  const QString glasses = dialog().GlassesList()->currentText();
  CFace face;
  face.faceSize = 3;
  OpenDocument(face, FillSettings{}, 60);
  ExpectLoadErrorShown();
  EXPECT_TRUE(shown.prompts.errors.empty()) << "a bad document is shown in the picture, not in a box";
  EXPECT_EQ(preview().Face().faceSize, 3) << "what was read stays in the record";
  EXPECT_EQ(SliderValues(), sliders);
  EXPECT_EQ(dialog().GlassesList()->currentText(), glasses);
  EXPECT_FALSE(preview().toolTip().isEmpty()) << "the reason is offered as the tooltip";
}

TEST_F(FileCommands, ValueOutOfRangeShowsTheLoadingErrorUntilNew) {
  CFace face = preview().Face();
  face.glasses = 5;
  OpenDocument(face, preview().Fill());
  ExpectLoadErrorShown();
  EXPECT_EQ(preview().Face().glasses, 5);

  // Moving a slider changes the record but the error stays until New.
  dialog().Slider(0)->setValue(dialog().Slider(0)->value() == 0 ? 1 : 0);
  EXPECT_TRUE(preview().LoadError());

  FillSettings solid = preview().Fill();
  solid.m_crBackground = 0x00ABCDEF;
  solid.m_nFillType = FillSolid;
  preview().SetFill(solid);
  dialog().OnNew();
  EXPECT_FALSE(preview().LoadError());
  EXPECT_TRUE(selectionItem()->isEnabled());
  EXPECT_FALSE(selectionItem()->isChecked());
  FillSettings expected;
  expected.m_crBackground = 0x00ABCDEF;
  expected.ApplyStartupFill();
  EXPECT_EQ(preview().Fill(), expected) << "New restores the gradient and keeps the solid colour";
  EXPECT_EQ(Shown(&preview()), PipelinePicture(preview().Picture()));
}

TEST_F(FileCommands, DocumentWithLargestValuesLoadsAndShowsThem) {
  CFace face = preview().Face();
  face.faceType = 1;
  face.glasses = 4;
  face.mustache = 4;
  face.eyeSize = 11;
  OpenDocument(face, preview().Fill());
  EXPECT_FALSE(preview().LoadError());
  EXPECT_EQ(dialog().FaceTypeList()->currentText(), "square");
  EXPECT_EQ(dialog().GlassesList()->currentText(), "sunglasses");
  EXPECT_EQ(dialog().MustacheList()->currentText(), "both");
  EXPECT_EQ(dialog().Slider(10)->value(), 9);
  EXPECT_EQ(preview().Face().eyeSize, 11);
}

TEST_F(FileCommands, SaveAfterAFailedLoadClearsTheError) {
  CFace face;
  OpenDocument(face, FillSettings{}, 0);
  ASSERT_TRUE(preview().LoadError());
  Answer(File("again.plm"));
  dialog().OnSave();
  EXPECT_FALSE(preview().LoadError());
  EXPECT_TRUE(selectionItem()->isEnabled());
  EXPECT_EQ(ReadBytes(File("again.plm")).size(), kDocumentSize);
}

TEST_F(FileCommands, CancelAndUnreadableFilesChangeNothing) {
  const CFace face = preview().Face();
  const FillSettings fill = preview().Fill();
  Answer(QString());
  dialog().OnOpen();
  dialog().OnSave();
  EXPECT_TRUE(shown.prompts.errors.empty());

  Answer(File("missing.plm"));
  dialog().OnOpen();
  Answer(folder.path());
  dialog().OnOpen();
  ASSERT_EQ(shown.prompts.errors.size(), 2u);
  EXPECT_TRUE(shown.prompts.errors[0].contains("missing.plm"));
  EXPECT_TRUE(shown.prompts.errors[0].contains("No such file"));
  EXPECT_FALSE(preview().LoadError());
  EXPECT_EQ(preview().Face(), face);
  EXPECT_EQ(preview().Fill(), fill);
}

TEST_F(FileCommands, FailingSaveShowsAMessageAndKeepsTheOldFile) {
  const std::vector<std::uint8_t> old(kDocumentSize, 0x5A);
  WriteBytes(File("old.plm"), old);
  Answer(File("old.plm"));
  SimulateDiskFullForTesting(true);
  dialog().OnSave();
  SimulateDiskFullForTesting(false);
  ASSERT_EQ(shown.prompts.errors.size(), 1u);
  EXPECT_TRUE(shown.prompts.errors[0].contains("old.plm"));
  EXPECT_EQ(ReadBytes(File("old.plm")), old);
}

TEST_F(FileCommands, EnableSelectionTogglesTheSelectionAndItsCheck) {
  selectionItem()->trigger();
  EXPECT_TRUE(dialog().IsSelectionEnabled());
  EXPECT_TRUE(selectionItem()->isChecked());
  EXPECT_TRUE(preview().HasSelection());
  EXPECT_TRUE(preview().IsSelectionShown());
  dialog().OnNew();
  EXPECT_TRUE(preview().HasSelection()) << "New leaves the selection alone";
  selectionItem()->trigger();
  EXPECT_FALSE(dialog().IsSelectionEnabled());
  EXPECT_FALSE(selectionItem()->isChecked());
  EXPECT_FALSE(preview().HasSelection());
}

}  // namespace
}  // namespace pelmoro
