#pragma once
#include <QDialog>
#include <array>
#include <cstdint>
#include <functional>
#include <map>

#include "app/face_history.h"
#include "app/menu_commands.h"
#include "model/random.h"
#include "output/image.h"
#include "output/ui/size_export_dialog.h"
#include "ui_support/dialog_units.h"

class QAction;
class QCheckBox;
class QComboBox;
class QMenu;
class QMenuBar;
class QPushButton;
class QSlider;
class QUndoStack;

namespace pelmoro {

class CFace;
class CFacePreview;
class CIconMenuManager;
class UserPrompts;
struct DluRect;

// The main window: a menu, the 224 x 192 preview and the control panel of 22 sliders,
// three lists, "Random face" and "Animate". The preview owns the face; every control
// writes its field of that record in place and asks the preview to repaint.
class CFaceDlg : public QDialog {
  Q_OBJECT

 public:
  // Controls; the menu commands are in app/menu_commands.h.
  static constexpr int IDC_PREVIEW = 1023;
  static constexpr int IDC_FIRST_SLIDER = 1024;
  static constexpr int IDC_FACE_TYPE = 1046;
  static constexpr int IDC_GLASSES = 1047;
  static constexpr int IDC_MUSTACHE = 1048;
  static constexpr int IDC_RANDOM_FACE = 1049;
  static constexpr int IDC_SEPARATOR = 1050;
  static constexpr int IDC_ANIMATE = 1051;
  static constexpr int kSliderCount = 22;

  // `seed` starts the program's one random generator (the time in seconds at start-up).
  explicit CFaceDlg(std::uint32_t seed, QWidget* parent = nullptr);
  ~CFaceDlg() override;

  // Where file dialogs and error messages go; the Qt dialogs unless replaced.
  void SetUserPrompts(UserPrompts& prompts) { m_prompts = &prompts; }

  // Control panel.
  void OnHScroll(QSlider* control);
  void OnFaceTypeChanged();
  void OnGlassesChanged();
  void OnMustacheChanged();
  void OnRandomFace();
  void UpdateControlsFromFace();
  void OnAnimate();

  // Menu commands.
  void OnNew();
  void OnOpen();
  // Opens the document at `path` as Open does once the file is chosen: an unreadable file
  // is reported and changes nothing, a document with wrong values shows the loading error.
  void OpenDocument(const QString& path);
  // Opens the document named on the command line in place of the start-up face, which was
  // never seen, so the history still begins with what the window shows.
  void OpenStartDocument(const QString& path);
  void OnSave();
  void OnExit();
  void OnAbout();
  void OnEnableSelection();
  void OnUpdateEnableSelection();
  void ExportPicture(ImageFormat format, bool selectionOnly);
  // "Export at any size...": its dialog, then ExportAtSize with the choice.
  void OnExportAtSize();
  // Asks for the file and writes the face as the choice says.
  void ExportAtSize(const SizedExport& choice);
  // "Export animation...": the window's animation, from a copy of the generator.
  void OnExportAnimation();
  void OnSmoothEdges();
  // Edit menu: the history of the face and the picture on the clipboard.
  void OnUndo();
  void OnRedo();
  void OnCopy();
  QUndoStack& History() const { return *m_history; }

  CFacePreview& Preview() { return *m_preview; }
  QSlider* Slider(int index) const { return m_sliders[index]; }
  QComboBox* FaceTypeList() const { return m_cbFaceType; }
  QComboBox* GlassesList() const { return m_cbGlasses; }
  QComboBox* MustacheList() const { return m_cbMustache; }
  QPushButton* RandomFaceButton() const { return m_btnRandom; }
  QCheckBox* AnimateCheckBox() const { return m_chkAnimate; }
  QMenuBar* MenuBar() const { return m_menuBar; }
  QAction* Action(int commandId) const;
  const CIconMenuManager& MenuManager() const { return *m_menuManager; }
  bool IsSelectionEnabled() const { return m_bSelectionEnabled; }
  const DialogUnits& Units() const { return m_units; }
  // False when the menus could not get their images; the program then ends at once.
  bool IsCreated() const { return m_bCreated; }

 public slots:
  // Enter never closes the window.
  void accept() override {}
  // Escape and the close box end the program; Escape during a drag of the selection frame
  // only cancels the drag.
  void reject() override;

 private:
  // Writes the face drawn from its figures (SVG, PDF, any size); the loading error has none.
  void ExportFaceFigures(const QString& path, const ExportOptions& options);
  // Whether the selection frame is there and shown, so "Selection only" can be offered.
  bool SelectionShown() const;
  void CreateControls();
  void CreateMenu();
  // The menu a command of the table sits in, made when the table first names it.
  QMenu* MenuAt(const QString& path);
  void AddCommand(const MenuCommand& command);
  void ConnectControls();
  void PlaceControls();
  bool LayoutFitsHorizontally(const DialogUnits& units) const;
  bool LayoutFitsVertically(const DialogUnits& units) const;
  DialogUnits FittingUnits() const;
  void Place(QWidget* widget, const DluRect& rect);
  void FillLists();
  void SetSelectionEnabled(bool enabled);
  // A new random face on the start-up fill (start-up and File / New).
  void ShowNewFace();
  // Writes one field of the preview's face record as a step of the history named `name`.
  void SetFaceField(const char* name, std::int32_t CFace::*field, std::int32_t value);
  // The face, the fill and the loading error as the window shows them.
  FaceState CurrentState() const;
  // Brings a state of the history back: the picture, the controls and the menu follow.
  void ShowState(const FaceState& state);
  // Carries out `change` as one step of the history named `name` (nothing is kept when it
  // changes nothing). A step taken while another runs belongs to that one. Steps with the
  // same merge key merge while `continues` says the later one goes on with the earlier.
  void RecordStep(const QString& name, const std::function<void()>& change, int mergeKey = -1, bool continues = false);
  // Keeps a step that has been carried out, from the state `before` to the one shown now.
  void PushStep(const QString& name, const FaceState& before, int mergeKey = -1, bool continues = false);
  void UpdateHistoryCommands();
  // A .plm file dropped on the window is opened as Open opens it.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  // A press on a slider or the focus leaving it ends the drag or key burst going on there.
  bool eventFilter(QObject* watched, QEvent* event) override;

  // In the order of the dialog's template.
  QComboBox* m_cbMustache = nullptr;
  QComboBox* m_cbGlasses = nullptr;
  QComboBox* m_cbFaceType = nullptr;
  CFacePreview* m_preview = nullptr;
  int m_bAnimate = 0;
  QPushButton* m_btnRandom = nullptr;
  bool m_bSelectionEnabled = false;
  std::array<QSlider*, kSliderCount> m_sliders{};

  CRandom m_random;
  UserPrompts* m_prompts;
  DialogUnits m_units{1, 1};
  QWidget* m_panel = nullptr;
  QMenuBar* m_menuBar = nullptr;
  QCheckBox* m_chkAnimate = nullptr;
  std::array<QWidget*, 25> m_labels{};
  QWidget* m_separator = nullptr;
  std::map<int, QAction*> m_actions;
  std::map<QString, QMenu*> m_menus;
  CIconMenuManager* m_menuManager = nullptr;
  bool m_bCreated = true;
  QUndoStack* m_history = nullptr;
  int m_stepDepth = 0;
  // The slider whose drag or key burst is still going on, so its next step merges; -1 none.
  int m_openSlider = -1;
};

}  // namespace pelmoro
