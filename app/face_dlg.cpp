// The main dialog's construction: its controls in template order, the menu, and the
// placement of everything in dialog units.
#include "app/face_dlg.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QSlider>
#include <QUndoStack>
#include <QVBoxLayout>

#include "app/face_dlg_template.h"
#include "app/list_mapping.h"
#include "controls/ext_button.h"
#include "controls/icon_menu.h"
#include "controls/icon_menu_install.h"
#include "controls/shaded_slider.h"
#include "output/ui/export_command.h"
#include "render/ui/face_preview.h"
#include "res/resources.h"
#include "ui_support/user_prompts.h"

namespace pelmoro {

namespace {

constexpr int kSliderMaximum = 9;
// Space kept between the preview and its neighbours, in pixels.
constexpr int kPreviewMargin = 2;
// The units grow at most this far beyond the font's before the layout gives up growing.
constexpr int kMaxUnitGrowth = 200;

void SetControlId(QWidget* widget, int id) { widget->setProperty("controlId", id); }

template <std::size_t N>
void AddItems(QComboBox* list, const std::array<const char*, N>& items) {
  for (const char* item : items) list->addItem(QString::fromLatin1(item));
}

}  // namespace

CFaceDlg::CFaceDlg(std::uint32_t seed, QWidget* parent)
    : QDialog(parent), m_random(seed), m_prompts(&DefaultUserPrompts()) {
  setWindowTitle(QStringLiteral("Pelmoro"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  setWindowIcon(ApplicationIcon());
  m_history = new QUndoStack(this);
  setAcceptDrops(true);
  CreateMenu();
  m_menuManager = new CIconMenuManager(this);
  m_bCreated = InstallIconMenus(this, m_menuBar, *m_menuManager, MenuImages());
  CreateControls();
  FillLists();
  PlaceControls();
  ConnectControls();

  ShowNewFace();
  // The face the program starts with is where the history begins.
  m_history->clear();
  UpdateHistoryCommands();
}

// The history, deleted with the window's children, no longer reports to the menu.
CFaceDlg::~CFaceDlg() { disconnect(m_history, nullptr, this, nullptr); }

void CFaceDlg::reject() {
  if (m_preview->Selection().CancelDrag()) return;
  done(QDialog::Accepted);
}

void CFaceDlg::CreateControls() {
  m_panel = new QWidget(this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->setMenuBar(m_menuBar);
  layout->addWidget(m_panel);

  m_preview = new CFacePreview(m_random, m_panel);
  SetControlId(m_preview, IDC_PREVIEW);
  m_preview->Selection().SetExportCommands(ExportCommands());
  connect(m_preview, &CFacePreview::selectionExportRequested, this, [this](ImageFormat f) { ExportPicture(f, true); });
  m_cbFaceType = new QComboBox(m_panel);
  SetControlId(m_cbFaceType, IDC_FACE_TYPE);
  m_cbGlasses = new QComboBox(m_panel);
  SetControlId(m_cbGlasses, IDC_GLASSES);
  m_cbMustache = new QComboBox(m_panel);
  SetControlId(m_cbMustache, IDC_MUSTACHE);
  auto* random = new CExtButtonCtrl(QStringLiteral("Random face"), m_panel);
  random->SetIcon(16, 16, ApplicationIconPixmap(16));
  random->SetEnterPresses(true);
  m_btnRandom = random;
  SetControlId(m_btnRandom, IDC_RANDOM_FACE);
  // No button is the default one, so Enter presses nothing.
  m_btnRandom->setAutoDefault(false);
  m_btnRandom->setDefault(false);

  const auto& labels = face_dlg_template::Labels();
  for (std::size_t i = 0; i < labels.size(); ++i) {
    auto* label = new QLabel(QString::fromLatin1(labels[i].text), m_panel);
    label->setAlignment((labels[i].alignRight ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    m_labels[i] = label;
  }

  auto* separator = new QFrame(m_panel);
  separator->setFrameShape(QFrame::HLine);
  separator->setFrameShadow(QFrame::Sunken);
  SetControlId(separator, IDC_SEPARATOR);
  m_separator = separator;

  m_chkAnimate = new QCheckBox(QStringLiteral("Animate"), m_panel);
  SetControlId(m_chkAnimate, IDC_ANIMATE);

  for (int i = 0; i < kSliderCount; ++i) {
    auto* slider = new CShadedSlider(m_panel);
    slider->setRange(0, kSliderMaximum);
    slider->setPageStep(kSliderMaximum / 5);
    slider->setTickPosition(QSlider::NoTicks);
    slider->setTracking(true);
    slider->setFocusPolicy(Qt::StrongFocus);
    SetControlId(slider, IDC_FIRST_SLIDER + i);
    m_sliders[i] = slider;
  }
}

void CFaceDlg::FillLists() {
  AddItems(m_cbFaceType, kFaceTypeItems);
  AddItems(m_cbGlasses, kGlassesItems);
  AddItems(m_cbMustache, kMustacheItems);
}

void CFaceDlg::ConnectControls() {
  for (QSlider* slider : m_sliders) {
    // Every kind of movement writes the record: dragging, keys, clicks on the groove, and
    // the end of a drag (which also catches a touch that leaves the position as it was).
    connect(slider, &QSlider::valueChanged, this, [this, slider] { OnHScroll(slider); });
    connect(slider, &QSlider::actionTriggered, this, [this, slider] { OnHScroll(slider); });
    connect(slider, &QSlider::sliderReleased, this, [this, slider] {
      OnHScroll(slider);
      // The drag is one step; what comes next on the slider is another.
      m_openSlider = -1;
    });
    slider->installEventFilter(this);
  }
  connect(m_cbFaceType, &QComboBox::currentIndexChanged, this, &CFaceDlg::OnFaceTypeChanged);
  connect(m_cbGlasses, &QComboBox::currentIndexChanged, this, &CFaceDlg::OnGlassesChanged);
  connect(m_cbMustache, &QComboBox::currentIndexChanged, this, &CFaceDlg::OnMustacheChanged);
  connect(m_btnRandom, &QPushButton::clicked, this, &CFaceDlg::OnRandomFace);
  connect(m_chkAnimate, &QCheckBox::clicked, this, &CFaceDlg::OnAnimate);
  connect(m_preview, &CFacePreview::fillChosen, this, [this](const FillSettings& before) {
    FaceState previous = CurrentState();
    previous.fill = before;
    PushStep(QStringLiteral("fill type"), previous);
  });
  connect(m_history, &QUndoStack::indexChanged, this, &CFaceDlg::UpdateHistoryCommands);
}

void CFaceDlg::CreateMenu() {
  m_menuBar = new QMenuBar(this);
  for (const MenuCommand& command : MenuCommands()) AddCommand(command);
  // An open menu is not covered by the selection's size tooltip.
  for (const auto& [path, menu] : m_menus)
    connect(menu, &QMenu::aboutToShow, this, [this] { m_preview->Selection().HideSizeTip(); });
  // F10 opens the first menu, as on any desktop; Alt and a title's letter open its menu.
  auto* firstMenu = new QShortcut(QKeySequence(Qt::Key_F10), this);
  connect(firstMenu, &QShortcut::activated, this,
          [this] { m_menuBar->setActiveAction(m_menuBar->actions().value(0)); });
}

QMenu* CFaceDlg::MenuAt(const QString& path) {
  QMenu*& menu = m_menus[path];
  if (menu != nullptr) return menu;
  const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
  if (slash < 0) {
    // The first letters of the menu bar's titles differ, so each is its title's mnemonic.
    menu = m_menuBar->addMenu(QLatin1Char('&') + path);
  } else {
    menu = MenuAt(path.left(slash))->addMenu(path.mid(slash + 1));
  }
  return menu;
}

void CFaceDlg::AddCommand(const MenuCommand& command) {
  QMenu* menu = MenuAt(QString::fromLatin1(command.menu));
  if (command.id == 0) {
    menu->addSeparator();
    return;
  }
  QAction* action = menu->addAction(QString::fromLatin1(command.text));
  action->setData(command.id);
  action->setCheckable(command.checkable);
  if (*command.shortcut != '\0') {
    action->setShortcuts(QKeySequence::listFromString(QString::fromLatin1(command.shortcut)));
    // The window holds the action too, so its keys work while no menu is open.
    addAction(action);
  }
  m_actions[command.id] = action;
  if (command.exportFormat) {
    const ImageFormat format = *command.exportFormat;
    connect(action, &QAction::triggered, this, [this, format] { ExportPicture(format, false); });
  } else if (command.run != nullptr) {
    connect(action, &QAction::triggered, this, command.run);
  }
  if (command.update != nullptr) connect(menu, &QMenu::aboutToShow, this, command.update);
}

QAction* CFaceDlg::Action(int commandId) const {
  const auto found = m_actions.find(commandId);
  return found == m_actions.end() ? nullptr : found->second;
}

// Dialog units come from the dialog font; where that font is so small that the preview or
// a control would not fit its place, the units grow until everything fits.
void CFaceDlg::PlaceControls() {
  m_units = FittingUnits();
  m_panel->setFixedSize(
      m_units.ToPixels(0, 0, face_dlg_template::kClientArea.width, face_dlg_template::kClientArea.height).size());
  const QRect previewPlace = m_units.ToPixels(face_dlg_template::kPreview.x, face_dlg_template::kPreview.y, 0, 0);
  m_preview->move(previewPlace.topLeft());
  for (int i = 0; i < kSliderCount; ++i) Place(m_sliders[i], face_dlg_template::SliderRect(i));
  Place(m_cbFaceType, face_dlg_template::kFaceTypeList);
  Place(m_cbGlasses, face_dlg_template::kGlassesList);
  Place(m_cbMustache, face_dlg_template::kMustacheList);
  Place(m_btnRandom, face_dlg_template::kRandomFaceButton);
  Place(m_chkAnimate, face_dlg_template::kAnimateCheckBox);
  Place(m_separator, face_dlg_template::kSeparator);
  const auto& labels = face_dlg_template::Labels();
  for (std::size_t i = 0; i < labels.size(); ++i) Place(m_labels[i], labels[i].rect);
}

void CFaceDlg::Place(QWidget* widget, const DluRect& rect) {
  widget->setGeometry(m_units.ToPixels(rect.x, rect.y, rect.width, rect.height));
}

DialogUnits CFaceDlg::FittingUnits() const {
  DialogUnits units = DialogUnits::ForFont(font());
  for (int step = 0; step < kMaxUnitGrowth; ++step) {
    if (!LayoutFitsHorizontally(units)) {
      units = units.WiderBy(1);
    } else if (!LayoutFitsVertically(units)) {
      units = units.TallerBy(1);
    } else {
      break;
    }
  }
  return units;
}

bool CFaceDlg::LayoutFitsHorizontally(const DialogUnits& units) const {
  using namespace face_dlg_template;
  const int previewRight = units.ToPixelsX(kPreview.x) + CFacePreview::kWidth + kPreviewMargin;
  if (previewRight > units.ToPixelsX(SliderRect(kSliderCount - 1).x)) return false;
  const auto widthFits = [&units](const QWidget* widget, const DluRect& r) {
    return widget->sizeHint().width() <= units.ToPixels(r.x, r.y, r.width, r.height).width();
  };
  const auto& labels = Labels();
  for (std::size_t i = 0; i < labels.size(); ++i)
    if (!widthFits(m_labels[i], labels[i].rect)) return false;
  return widthFits(m_cbFaceType, kFaceTypeList) && widthFits(m_cbGlasses, kGlassesList) &&
         widthFits(m_cbMustache, kMustacheList) && widthFits(m_btnRandom, kRandomFaceButton) &&
         widthFits(m_chkAnimate, kAnimateCheckBox);
}

bool CFaceDlg::LayoutFitsVertically(const DialogUnits& units) const {
  using namespace face_dlg_template;
  const int previewBottom = units.ToPixelsY(kPreview.y) + CFacePreview::kHeight + kPreviewMargin;
  if (previewBottom > units.ToPixelsY(kGlassesList.y)) return false;
  const auto heightFits = [&units](int needed, const DluRect& r) {
    return needed <= units.ToPixels(r.x, r.y, r.width, r.height).height();
  };
  const auto& labels = Labels();
  for (std::size_t i = 0; i < labels.size(); ++i)
    if (!heightFits(m_labels[i]->sizeHint().height(), labels[i].rect)) return false;
  for (int i = 0; i < kSliderCount; ++i)
    if (!heightFits(m_sliders[i]->minimumSizeHint().height(), SliderRect(i))) return false;
  return heightFits(m_cbFaceType->sizeHint().height(), kFaceTypeList) &&
         heightFits(m_btnRandom->sizeHint().height(), kRandomFaceButton) &&
         heightFits(m_chkAnimate->sizeHint().height(), kAnimateCheckBox);
}

}  // namespace pelmoro
