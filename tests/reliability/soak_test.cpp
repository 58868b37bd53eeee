// A long run of random user actions on a real main window: after each action the record,
// the controls, the selection and the animation agree, files hold what was saved, broken
// files end in the loading error or a message, and at the end the window still answers
// and memory has not grown.
//
// PELMORO_SOAK_ACTIONS sets the number of actions (default 10,000).
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <string>

#include "app/face_dlg.h"
#include "app/list_mapping.h"
#include "fill/ui/fill_dialog_result.h"
#include "fill/ui/fill_type_dlg.h"
#include "model/document.h"
#include "model/message_text.h"
#include "model/safe_file.h"
#include "output/image_writer.h"
#include "output/ui/export_command.h"
#include "reliability_support.h"
#include "render/memory_dc.h"
#include "render/ui/face_preview.h"
#include "tests/support/widget_pictures.h"
#include "ui_support/qt_bridge.h"

#if defined(__SANITIZE_ADDRESS__)
#define PELMORO_SOAK_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define PELMORO_SOAK_ASAN 1
#endif
#endif
#ifdef PELMORO_SOAK_ASAN
// From the sanitizer runtime (g++ ships no header for it).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

namespace pelmoro {
namespace {

constexpr std::uint32_t kSeed = 20240611;
constexpr int kDefaultActions = 10000;
// Growth of memory between the end of the warm-up and the end of the run that fails the
// test: far above what a steady program shows, far below what a leak of one picture or
// window per action adds up to.
constexpr std::size_t kAllowedGrowth = 8u << 20;

int ActionCount() {
  if (const char* text = std::getenv("PELMORO_SOAK_ACTIONS")) {
    const int count = std::atoi(text);
    if (count > 0) return count;
  }
  return kDefaultActions;
}

// Bytes the program holds on its heap: the allocator's own count, which under the address
// sanitizer leaves out the freed memory it keeps in quarantine.
std::size_t HeapInUse() {
#ifdef PELMORO_SOAK_ASAN
  return __sanitizer_get_current_allocated_bytes();
#else
  const struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
#endif
}

double Megabytes(std::size_t bytes) { return static_cast<double>(bytes) / (1 << 20); }

// The first bytes of a file (a document never needs more than its first 136).
std::vector<std::uint8_t> HeadBytes(const QString& path) {
  std::vector<std::uint8_t> bytes(kDocumentSize);
  const int fd = open(NativePath(path).c_str(), O_RDONLY);
  if (fd < 0) return {};
  std::size_t size = 0;
  while (size < bytes.size()) {
    const ssize_t got = read(fd, bytes.data() + size, bytes.size() - size);
    if (got <= 0) break;
    size += static_cast<std::size_t>(got);
  }
  close(fd);
  bytes.resize(size);
  return bytes;
}

// Drives the preview's animation timer by hand. The timer is found on its first firing:
// the timer object that lives inside the preview and receives timer events. From then
// on the system's firings are held back and Step() sends the timer its event, so a step
// runs at once instead of up to half a second later, and the animation draws from the
// program's random generator only when the run says so: the same seed gives the same run.
class AnimationTimerControl : public QObject {
 public:
  explicit AnimationTimerControl(const CFacePreview& preview) : preview_(reinterpret_cast<const char*>(&preview)) {
    QCoreApplication::instance()->installEventFilter(this);
  }
  ~AnimationTimerControl() override { QCoreApplication::instance()->removeEventFilter(this); }
  bool Found() const { return timer_ != nullptr; }
  void Step() {
    delivering_ = true;
    QTimerEvent tick(timer_->timerId());
    QCoreApplication::sendEvent(timer_, &tick);
    delivering_ = false;
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Timer) return false;
    if (timer_ == nullptr) {
      const char* address = reinterpret_cast<const char*>(watched);
      if (address >= preview_ && address < preview_ + sizeof(CFacePreview)) timer_ = qobject_cast<QTimer*>(watched);
      return false;
    }
    return watched == timer_ && !delivering_;
  }

 private:
  const char* preview_;
  QTimer* timer_ = nullptr;
  bool delivering_ = false;
};

class Soak : public ::testing::Test {
 protected:
  enum Kind {
    kSliderKey,
    kSliderDrag,
    kListChoice,
    kRandomFace,
    kNew,
    kSave,
    kOpen,
    kExport,
    kSelection,
    kFill,
    kAnimate,
    kAnimationStep,
    kKindCount
  };
  static constexpr const char* kKindNames[kKindCount] = {
      "slider key", "slider drag",      "list choice", "Random face",      "New",           "Save", "Open",
      "export",     "selection on/off", "fill change", "animation on/off", "animation step"};
  // Relative frequency of each action.
  static constexpr int kWeights[kKindCount] = {240, 90, 130, 70, 30, 50, 80, 25, 50, 60, 35, 140};

  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    const auto good = EncodeDocument(preview().Face(), preview().Fill());
    CFace outOfRange = preview().Face();
    outOfRange.glasses = 5;
    const auto bad = EncodeDocument(outOfRange, preview().Fill());
    WriteBytes(Path("empty.plm"), {});
    WriteBytes(Path("one byte.plm"), {0xE8});
    WriteBytes(Path("face part only.plm"), std::vector<std::uint8_t>(good.begin(), good.begin() + kFacePartSize));
    WriteBytes(Path("135 bytes.plm"), std::vector<std::uint8_t>(good.begin(), good.end() - 1));
    WriteBytes(Path("ff.plm"), std::vector<std::uint8_t>(kDocumentSize, 0xFF));
    WriteBytes(Path("glasses 5.plm"), std::vector<std::uint8_t>(bad.begin(), bad.end()));
    std::vector<std::uint8_t> longer(good.begin(), good.end());
    longer.resize(100000, 0xAB);
    WriteBytes(Path("trailing bytes.plm"), longer);
    ASSERT_TRUE(QDir(folder.path()).mkdir("folder.plm"));
    // A four-gigabyte document that is mostly a hole, where the file system allows one.
    WriteBytes(Path("huge.plm"), std::vector<std::uint8_t>(good.begin(), good.end()));
    if (truncate(NativePath(Path("huge.plm")).c_str(), off_t{4} << 30) != 0) QFile::remove(Path("huge.plm"));
    openable = {"huge.plm",  "empty.plm",     "one byte.plm",       "face part only.plm", "135 bytes.plm",
                "ff.plm",    "glasses 5.plm", "trailing bytes.plm", "folder.plm",         "missing.plm",
                "doc 0.plm", "doc 1.plm",     "dóc 2.plm",          "doc\n3.plm"};
    saveable = {"doc 0.plm", "doc 1.plm", "dóc 2.plm", "doc\n3.plm"};
  }

  CFaceDlg& dialog() { return *shown.dialog; }
  CFacePreview& preview() { return shown.dialog->Preview(); }
  QAction* selectionItem() { return dialog().Action(ID_ENABLE_SELECTION); }
  QString Path(const QString& name) const { return folder.filePath(name); }
  // The action is to end with one message naming the file and the system's reason.
  void ExpectMessage(const QString& path, const char* reason) { expectedMessages.push_back({path, reason}); }
  int Pick(int count) { return static_cast<int>(rng() % static_cast<std::uint32_t>(count)); }
  bool Chance(int percent) { return Pick(100) < percent; }

  Kind PickKind() {
    int total = 0;
    for (int weight : kWeights) total += weight;
    int roll = Pick(total);
    for (int kind = 0; kind < kKindCount; ++kind) {
      if (roll < kWeights[kind]) return static_cast<Kind>(kind);
      roll -= kWeights[kind];
    }
    return kSliderKey;
  }

  std::vector<int> SliderValues() {
    std::vector<int> values;
    for (int i = 0; i < CFaceDlg::kSliderCount; ++i) values.push_back(dialog().Slider(i)->value());
    return values;
  }

  void SliderKey() {
    const int index = Pick(CFaceDlg::kSliderCount);
    QSlider* slider = dialog().Slider(index);
    static const Qt::Key keys[] = {Qt::Key_Left,     Qt::Key_Right, Qt::Key_PageUp,
                                   Qt::Key_PageDown, Qt::Key_Home,  Qt::Key_End};
    slider->setFocus();
    QTest::keyClick(slider, keys[Pick(6)]);
    EXPECT_EQ(preview().Face().SliderParameter(index), slider->value()) << "slider " << index;
  }

  void SliderDrag() {
    const int index = Pick(CFaceDlg::kSliderCount);
    QSlider* slider = dialog().Slider(index);
    int value = slider->value();
    QTest::mousePress(slider, Qt::LeftButton, Qt::NoModifier, SliderHandleCentre(slider, value));
    for (int step = 1 + Pick(3); step > 0; --step) {
      const int previous = value;
      value = Pick(slider->maximum() + 1);
      QTest::mouseMove(slider, SliderHandleCentre(slider, value));
      EXPECT_EQ(slider->value(), value) << "slider " << index << " did not follow the mouse";
      // Every step of the drag is written; a move that ends where it began writes at release.
      if (value != previous) {
        EXPECT_EQ(preview().Face().SliderParameter(index), value) << "slider " << index << " while dragging";
      }
    }
    QTest::mouseRelease(slider, Qt::LeftButton, Qt::NoModifier, SliderHandleCentre(slider, value));
    EXPECT_EQ(preview().Face().SliderParameter(index), slider->value()) << "slider " << index;
  }

  void ListChoice() {
    QComboBox* lists[] = {dialog().FaceTypeList(), dialog().GlassesList(), dialog().MustacheList()};
    std::int32_t CFace::*fields[] = {&CFace::faceType, &CFace::glasses, &CFace::mustache};
    const int which = Pick(3);
    QComboBox* list = lists[which];
    const std::int32_t& field = preview().Face().*fields[which];
    const int indexBefore = list->currentIndex();
    const std::int32_t valueBefore = field;
    if (Chance(50)) {
      list->setCurrentIndex(Pick(list->count()));  // picked from the open list
    } else {
      list->setFocus();
      QTest::keyClick(list, Chance(50) ? Qt::Key_Down : Qt::Key_Up);
    }
    if (list->currentIndex() == indexBefore) {
      // Nothing was chosen; after a failed load the record may hold a value the list
      // does not show, and it keeps it.
      EXPECT_EQ(field, valueBefore) << "list " << which;
      return;
    }
    const std::int32_t expected = which == 0 ? FaceTypeFromListIndex(list->currentIndex()) : list->currentIndex();
    EXPECT_EQ(field, expected) << "list " << which;
  }

  void RandomFace() {
    QTest::mouseClick(dialog().RandomFaceButton(), Qt::LeftButton);
    EXPECT_TRUE(ControlsShowTheRecord(dialog()));
  }

  void New() {
    const Color solid = preview().Fill().m_crBackground;
    dialog().Action(ID_FILE_NEW)->trigger();
    EXPECT_FALSE(preview().LoadError());
    EXPECT_TRUE(ControlsShowTheRecord(dialog()));
    FillSettings expected;
    expected.m_crBackground = solid;
    expected.ApplyStartupFill();
    EXPECT_EQ(preview().Fill(), expected);
  }

  void Save() {
    const QString path = Path(saveable[Pick(static_cast<int>(saveable.size()))]);
    const std::vector<std::uint8_t> old = ReadBytes(path);
    const auto bytes = EncodeDocument(preview().Face(), preview().Fill());
    const int failure = Pick(10);  // 0: a full disk, 1: a folder that does not exist
    shown.prompts.answer = failure == 1 ? Path("no such folder/face.plm") : path;
    if (failure == 0) ExpectMessage(path, "No space left on device");
    if (failure == 1) ExpectMessage(shown.prompts.answer, "No such file or directory");
    const bool loadError = preview().LoadError();
    SimulateDiskFullForTesting(failure == 0);
    dialog().Action(ID_FILE_SAVE)->trigger();
    SimulateDiskFullForTesting(false);
    if (failure <= 1) {
      EXPECT_EQ(ReadBytes(path), old) << "a failed Save changed the old file";
      EXPECT_EQ(preview().LoadError(), loadError);
    } else {
      EXPECT_EQ(ReadBytes(path), std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
      EXPECT_FALSE(preview().LoadError());
    }
  }

  void Open() {
    const QString path = Path(openable[Pick(static_cast<int>(openable.size()))]);
    shown.prompts.answer = path;
    const QFileInfo info(path);
    CFace expectedFace = preview().Face();
    FillSettings expectedFill = preview().Fill();
    const std::vector<int> sliders = SliderValues();
    const bool selection = dialog().IsSelectionEnabled();
    const bool loadError = preview().LoadError();
    if (!info.isFile()) {
      dialog().Action(ID_FILE_OPEN)->trigger();
      ExpectMessage(path, info.isDir() ? "Is a directory" : "No such file or directory");
      EXPECT_EQ(preview().Face(), expectedFace);
      EXPECT_EQ(preview().Fill(), expectedFill);
      EXPECT_EQ(preview().LoadError(), loadError);
      return;
    }
    const std::vector<std::uint8_t> head = HeadBytes(path);
    const LoadReport report = DecodeDocument(head.data(), head.size(), expectedFace, expectedFill);
    dialog().Action(ID_FILE_OPEN)->trigger();
    EXPECT_EQ(preview().Face(), expectedFace);
    EXPECT_EQ(preview().Fill(), expectedFill);
    EXPECT_EQ(preview().LoadError(), report.LoadError());
    if (report.LoadError()) {
      EXPECT_EQ(SliderValues(), sliders) << "a failed load moved the sliders";
      EXPECT_FALSE(dialog().IsSelectionEnabled());
    } else {
      EXPECT_TRUE(ControlsShowTheRecord(dialog()));
      EXPECT_EQ(dialog().IsSelectionEnabled(), selection);
    }
  }

  void Export() {
    const std::vector<ExportCommand> exports = ExportCommands();
    const ExportCommand& entry = exports[Pick(static_cast<int>(exports.size()))];
    const bool selectionOnly = preview().HasSelection() && Chance(40);
    const QString path = Path(QStringLiteral("export") + QString::fromLatin1(DefaultExtension(entry.format)));
    const std::vector<std::uint8_t> old = ReadBytes(path);
    const bool diskFull = Chance(10);
    shown.prompts.answer = path;
    SimulateDiskFullForTesting(diskFull);
    if (selectionOnly) {
      dialog().ExportPicture(entry.format, true);
    } else {
      dialog().Action(entry.commandId)->trigger();
    }
    SimulateDiskFullForTesting(false);
    if (diskFull) {
      ExpectMessage(path, "No space left on device");
      EXPECT_EQ(ReadBytes(path), old) << "a failed export changed the old file";
      return;
    }
    QImageReader reader(path);
    EXPECT_TRUE(reader.canRead()) << path.toStdString();
    if (!selectionOnly) {
      EXPECT_EQ(reader.size(), QSize(224, 192)) << path.toStdString();
    }
  }

  void Selection() {
    const bool available = selectionItem()->isEnabled();
    const bool before = dialog().IsSelectionEnabled();
    selectionItem()->trigger();
    EXPECT_EQ(dialog().IsSelectionEnabled(), available ? !before : before);
  }

  void FillChange() {
    const FillSettings before = preview().Fill();
    if (Chance(30)) {
      // The context menu's colour for the solid fill, written straight into the settings.
      FillSettings fill = preview().Fill();
      fill.m_crBackground = rng() & 0xFFFFFF;
      preview().SetFill(fill);
      return;
    }
    FillSettings chosen;
    chosen.m_nFillType = Chance(50) ? FillSolid : FillGradient;
    chosen.m_crBackground = rng() & 0xFFFFFF;
    chosen.m_crGradientFrom = rng() & 0xFFFFFF;
    chosen.m_crGradientTo = rng() & 0xFFFFFF;
    chosen.m_bVertical = Chance(25);
    chosen.m_bHorizontal = Chance(25);
    chosen.m_bForwardDiagonal = Chance(25);
    chosen.m_bBackwardDiagonal = Chance(25);
    const bool ok = Chance(70);
    FillSettings fill = preview().Fill();
    if (ApplyFillDialogResult(fill, chosen, ok ? CFillTypeDlg::kOkCode : 2)) preview().SetFill(fill);
    FillSettings expected = before;
    if (ok) {
      expected = chosen;
      expected.m_crBackground = chosen.m_nFillType == FillSolid ? chosen.m_crGradientFrom : before.m_crBackground;
    }
    EXPECT_EQ(preview().Fill(), expected);
  }

  void Animate() { QTest::mouseClick(dialog().AnimateCheckBox(), Qt::LeftButton); }

  void AnimationStep() {
    if (!preview().IsAnimating()) {
      QTest::qWait(1);  // time passes; the held-back timer changes nothing
      EXPECT_TRUE(preview().Picture().m_nEyePose == 0 && preview().Picture().m_nMouthPose == 1 &&
                  preview().Picture().m_nBrowPose == 1)
          << "the face left its rest poses without the animation";
      return;
    }
    const FacePicture& picture = preview().Picture();
    const std::array<std::int32_t, 3> poses = {picture.m_nEyePose, picture.m_nMouthPose, picture.m_nBrowPose};
    const CFace face = preview().Face();
    animation->Step();
    ++animationSteps;
    const std::array<std::int32_t, 3> after = {picture.m_nEyePose, picture.m_nMouthPose, picture.m_nBrowPose};
    EXPECT_NE(after, poses) << "an animation step changed no pose";
    EXPECT_EQ(preview().Face(), face) << "the animation changed the record";
    EXPECT_TRUE(preview().IsAnimating()) << "the animation stopped after a step";
  }

  void Run(Kind kind) {
    switch (kind) {
      case kSliderKey:
        return SliderKey();
      case kSliderDrag:
        return SliderDrag();
      case kListChoice:
        return ListChoice();
      case kRandomFace:
        return RandomFace();
      case kNew:
        return New();
      case kSave:
        return Save();
      case kOpen:
        return Open();
      case kExport:
        return Export();
      case kSelection:
        return Selection();
      case kFill:
        return FillChange();
      case kAnimate:
        return Animate();
      case kAnimationStep:
        return AnimationStep();
      case kKindCount:
        break;
    }
  }

  // What holds after every action.
  void ExpectSteadyState() {
    std::vector<QString>& shownMessages = shown.prompts.errors;
    EXPECT_EQ(shownMessages.size(), expectedMessages.size())
        << "messages: " << (shownMessages.empty() ? std::string("none") : shownMessages.back().toStdString());
    for (std::size_t i = 0; i < std::min(shownMessages.size(), expectedMessages.size()); ++i) {
      const QString name = QString::fromStdString(QuotedName(NativePath(expectedMessages[i].first)));
      EXPECT_TRUE(shownMessages[i].contains(name)) << shownMessages[i].toStdString();
      EXPECT_TRUE(shownMessages[i].contains(expectedMessages[i].second)) << shownMessages[i].toStdString();
    }
    // Only the count is kept, so that the messages do not pile up in the test's memory.
    messagesShown += shownMessages.size();
    shownMessages.clear();
    expectedMessages.clear();
    EXPECT_EQ(preview().HasSelection(), dialog().IsSelectionEnabled());
    EXPECT_EQ(selectionItem()->isChecked(), dialog().IsSelectionEnabled());
    EXPECT_EQ(selectionItem()->isEnabled(), !preview().LoadError());
    EXPECT_EQ(dialog().AnimateCheckBox()->isChecked(), preview().IsAnimating());
  }

  // Lets the animation timer fire once to find it, then stops the animation again.
  void TakeOverAnimationTimer() {
    animation = std::make_unique<AnimationTimerControl>(preview());
    QTest::mouseClick(dialog().AnimateCheckBox(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([this] { return animation->Found(); }, 3000)) << "the animation never ran";
    QTest::mouseClick(dialog().AnimateCheckBox(), Qt::LeftButton);
    ASSERT_FALSE(preview().IsAnimating());
  }

  QTemporaryDir folder;
  ShownDialog shown{kSeed};
  std::mt19937 rng{kSeed};
  std::unique_ptr<AnimationTimerControl> animation;
  std::vector<QString> openable;
  std::vector<QString> saveable;
  std::vector<std::pair<QString, const char*>> expectedMessages;
  std::size_t messagesShown = 0;
  int animationSteps = 0;
  PaintCounter repaints{&shown.dialog->Preview()};
};

TEST_F(Soak, RandomUserActionsKeepRecordAndControlsInStepAndMemoryFlat) {
  TakeOverAnimationTimer();
  const int actions = ActionCount();
  const int warmUp = std::min(500, actions / 5);
  std::array<int, kKindCount> done{};
  std::size_t residentAtStart = 0;
  std::size_t anonymousAtStart = 0;
  std::size_t heapAtStart = 0;
  const auto start = std::chrono::steady_clock::now();
  for (int action = 0; action < actions; ++action) {
    if (action == warmUp) {
      QCoreApplication::processEvents();
      residentAtStart = ResidentBytes();
      anonymousAtStart = AnonymousResidentBytes();
      heapAtStart = HeapInUse();
    }
    const Kind kind = PickKind();
    Run(kind);
    QCoreApplication::processEvents();  // repaints
    ExpectSteadyState();
    ++done[kind];
    if (HasFailure()) FAIL() << "stopped after action " << action << " (" << kKindNames[kind] << ")";
  }
  QCoreApplication::processEvents();
  const std::size_t residentAtEnd = ResidentBytes();
  const std::size_t anonymousAtEnd = AnonymousResidentBytes();
  const std::size_t heapAtEnd = HeapInUse();
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

  std::printf("soak: %d actions in %.1f s (warm-up %d)\n", actions, seconds, warmUp);
  for (int kind = 0; kind < kKindCount; ++kind) std::printf("  %-17s %6d\n", kKindNames[kind], done[kind]);
  std::printf("  messages shown: %zu, animation steps sent: %d, repaints: %d\n", messagesShown, animationSteps,
              repaints.Count());
  // The same seed gives the same run: the final document is the same every time.
  std::uint32_t fingerprint = 2166136261u;
  for (std::uint8_t byte : EncodeDocument(preview().Face(), preview().Fill()))
    fingerprint = (fingerprint ^ byte) * 16777619u;
  std::printf("  final document fingerprint: %08x\n", fingerprint);
  std::printf("soak: resident memory %.2f MB after warm-up, %.2f MB at end (growth %+.2f MB)\n",
              Megabytes(residentAtStart), Megabytes(residentAtEnd),
              Megabytes(residentAtEnd) - Megabytes(residentAtStart));
  std::printf("soak: anonymous resident memory %.2f MB after warm-up, %.2f MB at end (growth %+.2f MB)\n",
              Megabytes(anonymousAtStart), Megabytes(anonymousAtEnd),
              Megabytes(anonymousAtEnd) - Megabytes(anonymousAtStart));
  std::printf("soak: heap in use %.2f MB after warm-up, %.2f MB at end (growth %+.2f MB)\n", Megabytes(heapAtStart),
              Megabytes(heapAtEnd), Megabytes(heapAtEnd) - Megabytes(heapAtStart));
  std::fflush(stdout);

#ifdef PELMORO_SOAK_ASAN
  // The sanitizer keeps freed memory in quarantine, so resident memory climbs until the
  // quarantine is full; the heap count leaves that out.
  EXPECT_LT(heapAtEnd, heapAtStart + kAllowedGrowth) << "the heap grew";
#else
  EXPECT_LT(residentAtEnd, residentAtStart + kAllowedGrowth) << "resident memory grew";
  EXPECT_LT(heapAtEnd, heapAtStart + kAllowedGrowth) << "the heap grew";
#endif

  // The window still answers: a slider move repaints it and changes the record.
  if (preview().IsAnimating()) Animate();
  QSlider* slider = dialog().Slider(0);
  const int target = slider->value() == 0 ? 1 : 0;
  QCoreApplication::processEvents();
  const int paintsBefore = repaints.Count();
  slider->setFocus();
  QTest::keyClick(slider, target == 0 ? Qt::Key_Home : Qt::Key_Right);
  EXPECT_EQ(preview().Face().SliderParameter(0), target);
  EXPECT_TRUE(WaitForPaint(repaints, paintsBefore, 2000)) << "the preview no longer repaints";
  CMemoryDC dc(CFacePreview::kWidth, CFacePreview::kHeight);
  preview().RenderPicture(dc);
  if (!preview().IsSelectionShown()) {
    EXPECT_EQ(preview().grab().toImage().convertToFormat(QImage::Format_RGB32), WrapSurface(dc));
  }
}

}  // namespace
}  // namespace pelmoro
