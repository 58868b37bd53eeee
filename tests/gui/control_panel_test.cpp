// The control panel writes the face record and repaints the preview: sliders at every
// step of a drag, the lists by their mappings, "Random face" from the one generator, and
// "Animate" driving the pose timer.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include "app/face_dlg.h"
#include "app/list_mapping.h"
#include "model/random.h"
#include "render/ui/face_preview.h"
#include "tests/support/shown_dialog.h"
#include "tests/support/slider_geometry.h"
#include "tests/support/widget_pictures.h"

namespace pelmoro {
namespace {

TEST(ControlPanel, SliderDragWritesTheRecordAndRepaintsAtEveryStep) {
  ShownDialog shown;
  CFaceDlg& dialog = *shown.dialog;
  PaintCounter paints(&dialog.Preview());
  for (int index : {0, 5, 21}) {
    SCOPED_TRACE(index);
    QSlider* slider = dialog.Slider(index);
    {
      const QSignalBlocker quiet(slider);
      slider->setValue(0);
    }
    CFace face = dialog.Preview().Face();
    face.SliderParameter(index) = 0;
    dialog.Preview().SetFace(face);
    QTest::mousePress(slider, Qt::LeftButton, Qt::NoModifier, SliderHandleCentre(slider, 0));
    for (int value = 1; value <= 9; ++value) {
      const int before = paints.Count();
      QTest::mouseMove(slider, SliderHandleCentre(slider, value));
      EXPECT_EQ(dialog.Preview().Face().SliderParameter(index), value) << "while dragging to " << value;
      EXPECT_TRUE(WaitForPaint(paints, before)) << "no repaint at " << value;
      EXPECT_EQ(Shown(&dialog.Preview()), PipelinePicture(dialog.Preview().Picture()));
    }
    QTest::mouseRelease(slider, Qt::LeftButton, Qt::NoModifier, SliderHandleCentre(slider, 9));
    EXPECT_EQ(dialog.Preview().Face().SliderParameter(index), 9);
  }
}

TEST(ControlPanel, ValueBeyondTheSliderShowsAtItsEndUntilTheSliderIsTouched) {
  ShownDialog shown;
  CFaceDlg& dialog = *shown.dialog;
  CFace face = dialog.Preview().Face();
  face.hairColor = 10;
  dialog.Preview().SetFace(face);
  dialog.UpdateControlsFromFace();
  QSlider* slider = dialog.Slider(9);
  EXPECT_EQ(slider->value(), 9);
  EXPECT_EQ(dialog.Preview().Face().hairColor, 10) << "showing the record must not change it";

  slider->setFocus();
  QTest::keyClick(slider, Qt::Key_Right);  // already at its end
  EXPECT_EQ(dialog.Preview().Face().hairColor, 9);
}

TEST(ControlPanel, ListsWriteTheirFieldsByTheirMappings) {
  ShownDialog shown;
  CFaceDlg& dialog = *shown.dialog;
  const CFace& face = dialog.Preview().Face();
  struct Case {
    QComboBox* list;
    std::int32_t CFace::*field;
    std::vector<std::int32_t> values;  // the field after choosing item 0, 1, ...
  };
  const Case cases[] = {
      {dialog.FaceTypeList(), &CFace::faceType, {0, 1}},
      {dialog.GlassesList(), &CFace::glasses, {0, 1, 2, 3}},
      {dialog.MustacheList(), &CFace::mustache, {0, 1, 2, 3}},
  };
  for (const Case& c : cases) {
    c.list->setFocus();
    QTest::keyClick(c.list, Qt::Key_Home);
    EXPECT_EQ(face.*c.field, 0);
    for (std::size_t item = 1; item < c.values.size(); ++item) {
      PaintCounter paints(&dialog.Preview());
      QTest::keyClick(c.list, Qt::Key_Down);
      EXPECT_EQ(face.*c.field, c.values[item]) << c.list->currentText().toStdString();
      EXPECT_TRUE(WaitForPaint(paints, 0));
    }
  }
  dialog.FaceTypeList()->setCurrentIndex(-1);
  EXPECT_EQ(face.faceType, 1) << "a face-type list without selection stands for square";
}

TEST(ControlPanel, ListsShowEveryValueOfTheRecord) {
  ShownDialog shown;
  CFaceDlg& dialog = *shown.dialog;
  const CFace& face = dialog.Preview().Face();
  const auto shows = [&](std::int32_t faceType, std::int32_t glasses, std::int32_t mustache) {
    CFace listed = face;
    listed.faceType = faceType;
    listed.glasses = glasses;
    listed.mustache = mustache;
    dialog.Preview().SetFace(listed);
    dialog.UpdateControlsFromFace();
    return (dialog.FaceTypeList()->currentText() + "/" + dialog.GlassesList()->currentText() + "/" +
            dialog.MustacheList()->currentText())
        .toStdString();
  };
  EXPECT_EQ(shows(0, 0, 0), "oval/none/none");
  EXPECT_EQ(shows(1, 1, 1), "square/black-rimmed/mustache");
  EXPECT_EQ(shows(2, 2, 2), "square/metal-rimmed/beard");
  EXPECT_EQ(shows(1, 3, 3), "square/sunglasses/both");
  EXPECT_EQ(shows(7, 4, 4), "square/sunglasses/both");
  EXPECT_EQ(shows(-1, -1, 100), "square/sunglasses/both");
  EXPECT_EQ(face.glasses, -1) << "showing the record must not change it";
  EXPECT_EQ(face.mustache, 100);
}

TEST(ControlPanel, RandomFaceDrawsTheNextFaceFromTheOneGenerator) {
  ShownDialog shown(4242);
  CFaceDlg& dialog = *shown.dialog;
  CRandom random(4242);
  CFace expected;
  expected.Randomize(random);  // the start-up face
  for (int press = 0; press < 3; ++press) {
    expected.Randomize(random);
    PaintCounter paints(&dialog.Preview());
    QTest::mouseClick(dialog.RandomFaceButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.Preview().Face(), expected);
    for (int i = 0; i < CFaceDlg::kSliderCount; ++i)
      EXPECT_EQ(dialog.Slider(i)->value(), std::min(expected.SliderParameter(i), 9));
    EXPECT_EQ(dialog.GlassesList()->currentText(), GlassesItemText(expected.glasses));
    EXPECT_EQ(dialog.MustacheList()->currentText(), MustacheItemText(expected.mustache));
    EXPECT_EQ(dialog.FaceTypeList()->currentText(), FaceTypeItemText(expected.faceType));
    EXPECT_TRUE(WaitForPaint(paints, 0));
  }
}

TEST(ControlPanel, AnimateChangesPosesUntilSwitchedOffThenRests) {
  ShownDialog shown;
  CFaceDlg& dialog = *shown.dialog;
  const FacePicture& picture = dialog.Preview().Picture();
  const auto atRest = [&] { return picture.m_nEyePose == 0 && picture.m_nMouthPose == 1 && picture.m_nBrowPose == 1; };
  QTest::mouseClick(dialog.AnimateCheckBox(), Qt::LeftButton);
  EXPECT_TRUE(dialog.Preview().IsAnimating());
  EXPECT_TRUE(QTest::qWaitFor([&] { return !atRest(); }, 3000)) << "no pose changed";
  const CFace face = dialog.Preview().Face();

  QTest::mouseClick(dialog.AnimateCheckBox(), Qt::LeftButton);
  EXPECT_FALSE(dialog.Preview().IsAnimating());
  EXPECT_TRUE(atRest());
  EXPECT_EQ(dialog.Preview().Face(), face) << "the animation never touches the record";
  QTest::qWait(600);
  EXPECT_TRUE(atRest()) << "the timer kept running";
}

}  // namespace
}  // namespace pelmoro
