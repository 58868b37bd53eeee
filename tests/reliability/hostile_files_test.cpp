// Hostile and odd files through the main window's Open, Save and export: every case ends
// with a clear outcome (a message with the system's reason, or the loading error in the
// picture) and loses nothing (old files stay, the record keeps what it must keep). Targets
// that must not be replaced, split or half-written: pipes and devices, hard links, and
// termination signals in the middle of a write.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QImageReader>
#include <QSlider>
#include <QTemporaryDir>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <thread>

#include "app/face_dlg.h"
#include "model/document.h"
#include "model/message_text.h"
#include "model/safe_file.h"
#include "model/termination_cleanup.h"
#include "output/image_writer.h"
#include "output/ui/export_command.h"
#include "reliability_support.h"
#include "render/memory_dc.h"
#include "render/ui/face_preview.h"
#include "ui_support/qt_bridge.h"

namespace pelmoro {
namespace {

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
  QAction* selectionItem() { return dialog().Action(ID_ENABLE_SELECTION); }
  const std::vector<QString>& errors() const { return shown.prompts.errors; }
  QString Path(const QString& name) const { return folder.filePath(name); }

  void Open(const QString& path) {
    shown.prompts.answer = path;
    dialog().Action(ID_FILE_OPEN)->trigger();
  }
  void Save(const QString& path) {
    shown.prompts.answer = path;
    dialog().Action(ID_FILE_SAVE)->trigger();
  }
  void Export(ImageFormat format, const QString& path) {
    shown.prompts.answer = path;
    dialog().Action(ExportCommandId(format))->trigger();
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
    WriteBytes(Path("broken.plm"), {});
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
  ShownDialog shown{4321};
};

TEST_F(HostileFiles, ShortAndGarbageDocumentsShowTheLoadingErrorAndKeepWhatWasNotRead) {
  CFace documentFace;
  FillSettings documentFill;
  const auto document = OtherDocument(&documentFace, &documentFill);
  struct Case {
    const char* name;
    std::vector<std::uint8_t> bytes;
    const char* reason;
  };
  const std::vector<Case> cases = {
      {"empty.plm", {}, "ends after 0 of 136 bytes"},
      {"one byte.plm", {0xE8}, "ends after 1 of 136 bytes"},
      {"135 bytes.plm", std::vector<std::uint8_t>(document.begin(), document.end() - 1), "ends after 135 of 136 bytes"},
      {"ff.plm", std::vector<std::uint8_t>(kDocumentSize, 0xFF), "is -1, outside 0 to"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    dialog().OnNew();
    selectionItem()->trigger();
    ASSERT_TRUE(preview().HasSelection());
    const ProgramState before = State();
    WriteBytes(Path(c.name), c.bytes);
    Open(Path(c.name));

    EXPECT_TRUE(errors().empty()) << "a broken document shows in the picture, not in a message";
    ExpectLoadingErrorShown();
    EXPECT_TRUE(preview().toolTip().contains(c.reason)) << preview().toolTip().toStdString();
    const ProgramState after = State();
    EXPECT_EQ(after.sliders, before.sliders) << "the controls keep showing the old face";
    EXPECT_EQ(after.lists, before.lists);
    EXPECT_EQ(ReadBytes(Path(c.name)), c.bytes) << "Open never writes";

    // What the record holds: the words the file had, the old values for the rest.
    CFace expectedFace = before.face;
    FillSettings expectedFill = before.fill;
    expectedFace.loadFailed = true;
    if (c.bytes.size() == kDocumentSize - 1) {
      expectedFace = documentFace;  // the whole face part was there and in range
      const FillSettings kept = expectedFill;
      expectedFill = documentFill;
      expectedFill.m_bBackwardDiagonal = kept.m_bBackwardDiagonal;
    } else if (c.bytes.size() == kDocumentSize) {
      expectedFace.formatVersion = -1;
      for (int i = 0; i < CFace::kParameterCount; ++i) expectedFace.DocumentParameter(i) = -1;
      expectedFill = {FillGradient, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, -1, -1, -1, -1};
    }
    EXPECT_EQ(preview().Face(), expectedFace);
    EXPECT_EQ(preview().Fill(), expectedFill);
  }

  // Saving the garbage record writes exactly what was read and draws it in the window.
  Save(Path("garbage saved.plm"));
  EXPECT_TRUE(errors().empty());
  EXPECT_FALSE(preview().LoadError());
  std::vector<std::uint8_t> expected(kDocumentSize, 0xFF);
  const std::uint8_t header[] = {0xE8, 0x03, 0x00, 0x00};
  std::copy(std::begin(header), std::end(header), expected.begin());
  const std::uint8_t gradient[] = {0x01, 0x00, 0x00, 0x00};
  std::copy(std::begin(gradient), std::end(gradient), expected.begin() + kFacePartSize);
  EXPECT_EQ(ReadBytes(Path("garbage saved.plm")), expected);
  ExpectWindowShowsTheRecord();
}

TEST_F(HostileFiles, HugeDocumentIsReadOnlyAtItsStart) {
  CFace documentFace;
  FillSettings documentFill;
  const auto document = OtherDocument(&documentFace, &documentFill);
  const QString path = Path("huge.plm");
  WriteBytes(path, std::vector<std::uint8_t>(document.begin(), document.end()));
  // Four gigabytes that take no room on disk: the rest of the file is a hole.
  const int fd = open(NativePath(path).c_str(), O_WRONLY);
  ASSERT_GE(fd, 0);
  const int resized = ftruncate(fd, off_t{4} << 30);
  const int reason = errno;
  close(fd);
  if (resized != 0) GTEST_SKIP() << "this file system refuses a 4 GB file: " << std::strerror(reason);

  const std::uint64_t readBefore = BytesReadByProcess();
  Open(path);
  const std::uint64_t readDuringOpen = BytesReadByProcess() - readBefore;
  EXPECT_GE(readDuringOpen, kDocumentSize) << "the count of bytes read does not work here";
  EXPECT_LT(readDuringOpen, 1u << 20) << "Open read far more than the document's 136 bytes";
  EXPECT_TRUE(errors().empty());
  EXPECT_FALSE(preview().LoadError());
  EXPECT_EQ(preview().Face(), documentFace);
  EXPECT_EQ(preview().Fill(), documentFill);
  EXPECT_TRUE(ControlsShowTheRecord(dialog()));
}

TEST_F(HostileFiles, FoldersMissingTargetsAndReadErrorsAreReportedWithTheReasonAndChangeNothing) {
  ASSERT_TRUE(QDir(folder.path()).mkdir("folder.plm"));
  ASSERT_EQ(symlink("gone.plm", NativePath(Path("dangling.plm")).c_str()), 0);
  ExpectRefusedOpens({{folder.path(), "Is a directory"},
                      {Path("folder.plm"), "Is a directory"},
                      {Path("dangling.plm"), "No such file or directory"},
                      // The process's memory at address 0 fails to read with an input/output error.
                      {QStringLiteral("/proc/self/mem"), "Input/output error"}});
}

TEST_F(HostileFiles, FileWithoutReadPermissionIsReportedAndChangesNothing) {
  if (geteuid() == 0) GTEST_SKIP() << "root reads files without read permission";
  const QString unreadable = Path("locked.plm");
  const auto document = OtherDocument();
  WriteBytes(unreadable, std::vector<std::uint8_t>(document.begin(), document.end()));
  ASSERT_EQ(chmod(NativePath(unreadable).c_str(), 0200), 0);
  ExpectRefusedOpens({{unreadable, "Permission denied"}});
}

TEST_F(HostileFiles, NamesWithSpacesNonAsciiLettersAndControlCharactersWorkAndShowEscaped) {
  const QStringList names = {QStringLiteral("my face.plm"),
                             QStringLiteral(" padded name .plm"),
                             QString::fromUtf8("visage été ü 日本 😀.plm"),
                             QStringLiteral("two\nlines.plm"),
                             QStringLiteral("tab\tand\rreturn.plm"),
                             QStringLiteral("\x1b[31mred.plm")};
  for (const QString& name : names) {
    SCOPED_TRACE(name.toStdString());
    const QString path = Path(name);
    const CFace face = preview().Face();
    const FillSettings fill = preview().Fill();
    Save(path);
    ASSERT_TRUE(errors().empty()) << errors().front().toStdString();
    const std::vector<std::string> entries = FolderEntries(folder.path());
    EXPECT_NE(std::find(entries.begin(), entries.end(), name.toUtf8().toStdString()), entries.end())
        << "the file is not stored under the name as typed";
    const auto expected = EncodeDocument(face, fill);
    EXPECT_EQ(ReadBytes(path), std::vector<std::uint8_t>(expected.begin(), expected.end()));

    dialog().OnNew();
    Open(path);
    EXPECT_TRUE(errors().empty());
    EXPECT_EQ(preview().Face(), face);
    EXPECT_EQ(preview().Fill(), fill);
    EXPECT_TRUE(ControlsShowTheRecord(dialog()));

    QString picture = path;
    picture.replace(QStringLiteral(".plm"), QStringLiteral(".png"));
    Export(ImageFormat::Png, picture);
    EXPECT_TRUE(errors().empty());
    EXPECT_EQ(QImageReader(picture).size(), QSize(224, 192));
  }
  EXPECT_EQ(FolderEntries(folder.path()).size(), 2u * static_cast<std::size_t>(names.size()))
      << "a temporary file was left behind";

  // Messages name the file as it was chosen, with control characters shown as escapes: a
  // line break cannot split the message, ESC cannot colour a terminal it is copied to.
  const auto expectNamed = [this](const QString& path) {
    ASSERT_FALSE(errors().empty());
    const QString& message = errors().back();
    EXPECT_TRUE(message.contains(QString::fromStdString(QuotedName(NativePath(path))))) << message.toStdString();
    EXPECT_TRUE(std::none_of(message.begin(), message.end(), [](QChar c) {
      return c.category() == QChar::Other_Control;
    })) << message.toStdString();
  };
  for (const QString& name : names) {
    Open(Path(QStringLiteral("missing ") + name));
    expectNamed(Path(QStringLiteral("missing ") + name));
    const QString nowhere = Path(QStringLiteral("no such folder/") + name);
    Save(nowhere);
    expectNamed(nowhere);
    Export(ImageFormat::Gif, nowhere);
    expectNamed(nowhere);
  }
  EXPECT_EQ(errors().size(), 3u * static_cast<std::size_t>(names.size()));
}

TEST_F(HostileFiles, FolderWithoutWritePermissionKeepsTheOldFilesAndTheLoadingError) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes into any folder";
  ASSERT_TRUE(QDir(folder.path()).mkdir("locked"));
  const QString document = Path("locked/old.plm");
  const QString picture = Path("locked/old.bmp");
  const std::vector<std::uint8_t> oldDocument(kDocumentSize, 0x5A);
  const std::vector<std::uint8_t> oldPicture{'o', 'l', 'd'};
  WriteBytes(document, oldDocument);
  WriteBytes(picture, oldPicture);
  ASSERT_EQ(chmod(NativePath(Path("locked")).c_str(), 0555), 0);

  ShowLoadingError();
  const ProgramState before = State();
  Save(document);
  Export(ImageFormat::Bmp, picture);
  Save(Path("locked/new.plm"));
  chmod(NativePath(Path("locked")).c_str(), 0755);

  ASSERT_EQ(errors().size(), 3u);
  EXPECT_TRUE(errors()[0].contains(document)) << errors()[0].toStdString();
  EXPECT_TRUE(errors()[1].contains(picture)) << errors()[1].toStdString();
  for (const QString& message : errors()) EXPECT_TRUE(message.contains("Permission denied")) << message.toStdString();
  EXPECT_EQ(State(), before) << "a failed Save clears nothing";
  EXPECT_EQ(ReadBytes(document), oldDocument);
  EXPECT_EQ(ReadBytes(picture), oldPicture);
  EXPECT_EQ(FolderEntries(Path("locked")), (std::vector<std::string>{"old.bmp", "old.plm"}));
}

TEST_F(HostileFiles, FullDiskKeepsEveryOldFileAndTheLoadingError) {
  const QString document = Path("old.plm");
  const std::vector<std::uint8_t> oldDocument(kDocumentSize, 0x5A);
  WriteBytes(document, oldDocument);
  std::vector<QString> pictures;
  const std::vector<ExportCommand> exports = ExportCommands();
  for (const ExportCommand& entry : exports) {
    pictures.push_back(Path(QStringLiteral("old") + QString::fromLatin1(DefaultExtension(entry.format))));
    WriteBytes(pictures.back(), {'o', 'l', 'd'});
  }
  ShowLoadingError();
  const std::vector<std::string> entries = FolderEntries(folder.path());
  const ProgramState before = State();
  SimulateDiskFullForTesting(true);
  Save(document);
  for (std::size_t i = 0; i < pictures.size(); ++i) Export(exports[i].format, pictures[i]);
  SimulateDiskFullForTesting(false);

  ASSERT_EQ(errors().size(), 1 + pictures.size());
  for (const QString& message : errors()) EXPECT_TRUE(message.contains("No space left")) << message.toStdString();
  EXPECT_EQ(State(), before) << "a failed Save clears nothing";
  EXPECT_EQ(ReadBytes(document), oldDocument);
  for (const QString& picture : pictures)
    EXPECT_EQ(ReadBytes(picture), (std::vector<std::uint8_t>{'o', 'l', 'd'})) << picture.toStdString();
  EXPECT_EQ(FolderEntries(folder.path()), entries) << "a temporary file was left behind";
}

TEST_F(HostileFiles, SavingOntoASymbolicLinkWritesThroughItAndKeepsTheLink) {
  ASSERT_TRUE(QDir(folder.path()).mkdir("real"));
  const QString target = Path("real/face.plm");
  WriteBytes(target, std::vector<std::uint8_t>(kDocumentSize, 0x5A));
  struct Link {
    const char* name;
    const char* pointsTo;
    const char* target;
  };
  // A relative link, a link to a link, and a link whose target does not exist yet.
  const Link links[] = {{"link.plm", "real/face.plm", "real/face.plm"},
                        {"link to link.plm", "link.plm", "real/face.plm"},
                        {"dangling.plm", "real/new.plm", "real/new.plm"}};
  for (const Link& link : links) ASSERT_EQ(symlink(link.pointsTo, NativePath(Path(link.name)).c_str()), 0) << link.name;

  for (const Link& link : links) {
    SCOPED_TRACE(link.name);
    dialog().OnNew();
    const auto expected = EncodeDocument(preview().Face(), preview().Fill());
    Save(Path(link.name));
    EXPECT_TRUE(errors().empty());
    struct stat info {};
    ASSERT_EQ(lstat(NativePath(Path(link.name)).c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode)) << "the link was replaced by a file";
    char pointsTo[256] = {};
    ASSERT_GT(readlink(NativePath(Path(link.name)).c_str(), pointsTo, sizeof pointsTo - 1), 0);
    EXPECT_STREQ(pointsTo, link.pointsTo);
    EXPECT_EQ(ReadBytes(Path(link.target)), std::vector<std::uint8_t>(expected.begin(), expected.end()));

    // Open through the link reads the file it points to.
    const CFace saved = preview().Face();
    dialog().OnNew();
    Open(Path(link.name));
    EXPECT_EQ(preview().Face(), saved);
  }

  // An export through a link writes the picture into the file the link points to.
  ASSERT_EQ(symlink("real/face.png", NativePath(Path("picture.png")).c_str()), 0);
  Export(ImageFormat::Png, Path("picture.png"));
  EXPECT_TRUE(errors().empty());
  EXPECT_EQ(QImageReader(Path("real/face.png")).size(), QSize(224, 192));
  EXPECT_EQ(FolderEntries(Path("real")), (std::vector<std::string>{"face.plm", "face.png", "new.plm"}));
}

TEST_F(HostileFiles, LinksThatLeadNowhereAreReportedAndStayLinks) {
  // Two links pointing at each other, and a link to a folder.
  ASSERT_EQ(symlink("b.plm", NativePath(Path("a.plm")).c_str()), 0);
  ASSERT_EQ(symlink("a.plm", NativePath(Path("b.plm")).c_str()), 0);
  ASSERT_TRUE(QDir(folder.path()).mkdir("real"));
  ASSERT_EQ(symlink("real", NativePath(Path("folder.plm")).c_str()), 0);
  const std::vector<std::string> entries = FolderEntries(folder.path());

  struct Case {
    const char* name;
    const char* reason;
  };
  const Case cases[] = {{"a.plm", "Too many levels of symbolic links"}, {"folder.plm", "Is a directory"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::size_t messages = errors().size();
    Save(Path(c.name));
    Open(Path(c.name));
    ASSERT_EQ(errors().size(), messages + 2);
    for (std::size_t i = messages; i < errors().size(); ++i) {
      EXPECT_TRUE(errors()[i].contains(Path(c.name))) << errors()[i].toStdString();
      EXPECT_TRUE(errors()[i].contains(c.reason)) << errors()[i].toStdString();
    }
    struct stat info {};
    ASSERT_EQ(lstat(NativePath(Path(c.name)).c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode)) << "the link was replaced by a file";
  }
  EXPECT_EQ(FolderEntries(folder.path()), entries);
  EXPECT_TRUE(FolderEntries(Path("real")).empty());
}

namespace fs = std::filesystem;
const std::vector<std::uint8_t> kOld{'o', 'l', 'd'};

void ExpectMessages(const std::vector<QString>& errors, const std::vector<QString>& paths, const char* reason) {
  ASSERT_EQ(errors.size(), paths.size());
  for (std::size_t i = 0; i < paths.size(); ++i)
    EXPECT_TRUE(errors[i].contains(paths[i]) && errors[i].contains(reason)) << errors[i].toStdString();
}

TEST_F(HostileFiles, PipesAndDevicesAreRefusedWithTheUsualMessage) {
  const fs::path dir = NativePath(folder.path());
  ASSERT_EQ(mkfifo((dir / "pipe.plm").c_str(), 0600), 0);
  const bool root = geteuid() == 0;  // a device node of the test's own, or the null device
  ASSERT_TRUE(!root || mknod((dir / "null").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0);
  fs::create_symlink(root ? "null" : "/dev/null", dir / "device.gif");
  const ProgramState before = State();
  Save(Path("pipe.plm"));
  Export(ImageFormat::Gif, Path("device.gif"));
  ExpectMessages(errors(), {Path("pipe.plm"), Path("device.gif")}, "not a regular file");
  EXPECT_EQ(State(), before);
  EXPECT_TRUE(fs::is_fifo(dir / "pipe.plm") && fs::is_character_file(dir / "device.gif"));
  EXPECT_EQ(FolderEntries(folder.path()).size(), root ? 3u : 2u) << "a temporary file was left behind";
}

TEST_F(HostileFiles, HardLinksStayOneFileAndARewriteFailingHalfwayPutsTheOldBytesBack) {
  const QString document = Path("a.plm"), picture = Path("a.png");
  for (const QString& path : {document, picture}) WriteBytes(path, kOld);
  fs::create_hard_link(NativePath(document), NativePath(Path("b.plm")));
  fs::create_hard_link(NativePath(picture), NativePath(Path("b.png")));
  Save(document);
  Export(ImageFormat::Png, picture);
  EXPECT_EQ(ReadBytes(Path("b.plm")).size(), kDocumentSize);
  EXPECT_EQ(QImageReader(Path("b.png")).size(), QSize(224, 192));

  // The disk takes 50 bytes of the next rewrite of each, then fails.
  const auto savedDocument = ReadBytes(document), savedPicture = ReadBytes(picture);
  dialog().OnNew();
  SimulateDiskFullForTesting(true, 50);
  Save(document);
  SimulateDiskFullForTesting(true, 50);
  Export(ImageFormat::Png, picture);
  SimulateDiskFullForTesting(false);
  ExpectMessages(errors(), {document, picture}, "No space left on device");
  EXPECT_TRUE(ReadBytes(Path("b.plm")) == savedDocument && ReadBytes(Path("b.png")) == savedPicture);
  EXPECT_TRUE(fs::equivalent(NativePath(document), NativePath(Path("b.plm"))) &&
              fs::equivalent(NativePath(picture), NativePath(Path("b.png"))));
  EXPECT_EQ(FolderEntries(folder.path()), (std::vector<std::string>{"a.plm", "a.png", "b.plm", "b.png"}));
}

int g_signalDuringWrite = 0;
void RaiseSignalDuringWrite() { raise(g_signalDuringWrite); }

TEST_F(HostileFiles, TerminationSignalDuringASaveRemovesTheTemporaryFile) {
  WriteBytes(Path("face.plm"), kOld);
  for (const int signalNumber : {SIGINT, SIGTERM, SIGHUP}) {
    g_signalDuringWrite = signalNumber;
    EXPECT_EXIT(
        {
          RemoveTemporaryFilesOnTermination();
          SetWriteHookForTesting(RaiseSignalDuringWrite);
          Save(Path("face.plm"));
        },
        ::testing::KilledBySignal(signalNumber), "");
    EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::string>{"face.plm"});
    EXPECT_EQ(ReadBytes(Path("face.plm")), kOld);
  }
}

// The signals a process catches, from /proc/PID/status.
std::uint64_t CaughtSignals(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("SigCgt:", 0) == 0) return std::stoull(line.substr(7), nullptr, 16);
  return 0;
}

TEST(DesktopProgram, CatchesTerminationSignalsToCleanUpAndStillEndsByThem) {
  const pid_t program = fork();
  if (program == 0) {
    execl(PELMORO_DESKTOP_PROGRAM, PELMORO_DESKTOP_PROGRAM, nullptr);
    _exit(127);
  }
  const std::uint64_t wanted = 1u << (SIGINT - 1) | 1u << (SIGTERM - 1) | 1u << (SIGHUP - 1);
  for (int tries = 0; tries < 1000 && (CaughtSignals(program) & wanted) != wanted; ++tries)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_EQ(CaughtSignals(program) & wanted, wanted);
  kill(program, SIGHUP);
  int status = 0;
  ASSERT_EQ(waitpid(program, &status, 0), program);
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGHUP) << status;
}

}  // namespace
}  // namespace pelmoro
