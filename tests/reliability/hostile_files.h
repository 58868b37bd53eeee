#pragma once
// The main window driven through Open, Save and the exports, with every path answered by the
// test and every message collected.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QSlider>
#include <QTemporaryDir>
#include <array>

#include "app/face_dlg.h"
#include "model/document.h"
#include "output/image_writer.h"
#include "output/ui/export_command.h"
#include "reliability_support.h"
#include "render/memory_dc.h"
#include "render/ui/face_preview.h"
#include "ui_support/qt_bridge.h"

namespace pelmoro {

// Everything a failed command must leave as it was.
struct ProgramState {
  CFace face;
  FillSettings fill;
  std::vector<int> sliders;
  std::array<QString, 3> lists;
  bool loadError = false;
  bool selectionEnabled = false;
  bool selectionItemEnabled = false;

  friend bool operator==(const ProgramState&, const ProgramState&) = default;
};

class HostileFiles : public ::testing::Test {
 protected:
  CFaceDlg& dialog() { return *shown.dialog; }
  CFacePreview& preview() { return shown.dialog->Preview(); }
  QAction* selectionItem() { return dialog().Action(CFaceDlg::ID_ENABLE_SELECTION); }
  const std::vector<QString>& errors() const { return shown.prompts.errors; }
  QString Path(const QString& name) const { return folder.filePath(name); }

  void Open(const QString& path) {
    shown.prompts.answer = path;
    dialog().Action(CFaceDlg::ID_FILE_OPEN)->trigger();
  }
  void Save(const QString& path) {
    shown.prompts.answer = path;
    dialog().Action(CFaceDlg::ID_FILE_SAVE)->trigger();
  }
  void Export(ImageFormat format, const QString& path) {
    shown.prompts.answer = path;
    dialog().Action(ExportFormatFor(format).commandId)->trigger();
  }

  ProgramState State() {
    ProgramState state;
    state.face = preview().Face();
    state.fill = preview().Fill();
    for (int i = 0; i < CFaceDlg::kSliderCount; ++i) state.sliders.push_back(dialog().Slider(i)->value());
    state.lists = {dialog().FaceTypeList()->currentText(), dialog().GlassesList()->currentText(),
                   dialog().MustacheList()->currentText()};
    state.loadError = preview().LoadError();
    state.selectionEnabled = dialog().IsSelectionEnabled();
    state.selectionItemEnabled = selectionItem()->isEnabled();
    return state;
  }

  // A face and fill unlike the ones the dialog shows, as document bytes.
  std::array<std::uint8_t, kDocumentSize> OtherDocument(CFace* face = nullptr, FillSettings* fill = nullptr) {
    CFace other = preview().Face();
    for (int i = 0; i < CFace::kParameterCount; ++i) {
      std::int32_t& value = other.DocumentParameter(i);
      value = value == 0 ? 1 : 0;
    }
    FillSettings otherFill;
    otherFill.m_nFillType = FillSolid;
    otherFill.m_crBackground = 0x00102030;
    otherFill.m_crGradientFrom = 0x00405060;
    otherFill.m_crGradientTo = 0x00708090;
    otherFill.m_bVertical = 1;
    otherFill.m_bHorizontal = 0;
    otherFill.m_bForwardDiagonal = 1;
    otherFill.m_bBackwardDiagonal = 1;
    if (face != nullptr) *face = other;
    if (fill != nullptr) *fill = otherFill;
    return EncodeDocument(other, otherFill);
  }

  // Puts the dialog into the loading-error state with a document that ends at once.
  void ShowLoadingError() {
    PutFileBytes(Path("broken.plm"), {});
    Open(Path("broken.plm"));
    ASSERT_TRUE(preview().LoadError());
  }

  void ExpectLoadingErrorShown() {
    EXPECT_TRUE(preview().LoadError());
    EXPECT_FALSE(dialog().IsSelectionEnabled());
    EXPECT_FALSE(preview().HasSelection());
    EXPECT_FALSE(selectionItem()->isEnabled());
    EXPECT_FALSE(selectionItem()->isChecked());
    const QImage shownPicture = preview().grab().toImage().convertToFormat(QImage::Format_RGB32);
    int dark = 0;
    int elsewhere = 0;
    for (int y = 0; y < shownPicture.height(); ++y) {
      for (int x = 0; x < shownPicture.width(); ++x) {
        const QRgb pixel = shownPicture.pixel(x, y);
        if (y >= 10 && y < 40 && x >= 10 && x < 140) {
          dark += qGray(pixel) < 100;
        } else if (y >= 60) {
          elsewhere += pixel != qRgb(255, 255, 255);
        }
      }
    }
    EXPECT_GT(dark, 20) << "no error text in the picture";
    EXPECT_EQ(elsewhere, 0) << "the picture shows more than the error text";
  }

  // What the window shows equals the picture an export would write.
  void ExpectWindowShowsTheRecord() {
    CMemoryDC dc(CFacePreview::kWidth, CFacePreview::kHeight);
    preview().RenderPicture(dc);
    EXPECT_EQ(preview().grab().toImage().convertToFormat(QImage::Format_RGB32), WrapSurface(dc));
  }

  // Opening a path that is no readable document: a message with the path and the system's
  // reason, and nothing changes, neither from a face on show with the selection on nor
  // from the loading error.
  void ExpectRefusedOpens(const std::vector<std::pair<QString, const char*>>& cases) {
    for (const bool fromLoadingError : {false, true}) {
      if (fromLoadingError) {
        ShowLoadingError();
      } else {
        selectionItem()->trigger();
        ASSERT_TRUE(preview().HasSelection());
      }
      for (const auto& [path, reason] : cases) {
        SCOPED_TRACE(path.toStdString());
        const ProgramState before = State();
        const std::size_t messages = errors().size();
        Open(path);
        ASSERT_EQ(errors().size(), messages + 1);
        EXPECT_TRUE(errors().back().contains(path)) << errors().back().toStdString();
        EXPECT_TRUE(errors().back().contains(reason)) << errors().back().toStdString();
        EXPECT_EQ(State(), before);
      }
    }
  }

  QTemporaryDir folder;
  DialogOnScreen shown;
};

}  // namespace pelmoro
