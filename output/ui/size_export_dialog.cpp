#include "output/ui/size_export_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

namespace pelmoro {

namespace {

constexpr int kWidthChoices[] = {448, 896, 1792, 3584};

struct FormatChoice {
  ImageFormat format;
  const char* name;
};
constexpr FormatChoice kFormatChoices[] = {
    {ImageFormat::Png, "PNG"},   {ImageFormat::Jpeg, "JPEG"}, {ImageFormat::Bmp, "BMP"}, {ImageFormat::Gif, "GIF"},
    {ImageFormat::Tiff, "TIFF"}, {ImageFormat::Webp, "WebP"}, {ImageFormat::Svg, "SVG"}, {ImageFormat::Pdf, "PDF"},
};

}  // namespace

int SizedExport::HeightOf(int width) { return static_cast<int>(std::lround(width * 192.0 / 224.0)); }

ExportOptions SizedExport::Options(int pictureWidth, const std::optional<Rect>& selectionFrame) const {
  ExportOptions options;
  options.format = format;
  options.scale = static_cast<double>(width) / pictureWidth;
  options.transparent = transparent && CanBeTransparent(format);
  if (selectionOnly) options.selection = selectionFrame;
  return options;
}

CSizeExportDlg::CSizeExportDlg(bool selectionShown, QWidget* parent)
    : QDialog(parent),
      m_width(new QComboBox(this)),
      m_height(new QLabel(this)),
      m_format(new QComboBox(this)),
      m_transparent(new QCheckBox(QStringLiteral("Transparent background"), this)),
      m_selection(new QCheckBox(QStringLiteral("Selection only"), this)),
      m_selectionShown(selectionShown) {
  setWindowTitle(QStringLiteral("Export at any size"));
  m_width->setEditable(true);
  for (int width : kWidthChoices) m_width->addItem(QString::number(width));
  m_width->setCurrentText(QString::number(SizedExport().width));
  m_width->lineEdit()->setValidator(new QIntValidator(1, SizedExport::kMaxWidth, m_width));
  for (const FormatChoice& choice : kFormatChoices) {
    m_format->addItem(QString::fromLatin1(choice.name), static_cast<int>(choice.format));
  }
  m_selection->setVisible(selectionShown);

  auto* form = new QFormLayout;
  auto* size = new QHBoxLayout;
  size->addWidget(m_width, 1);
  size->addWidget(m_height);
  auto* widthLabel = new QLabel(QStringLiteral("&Width:"), this);
  widthLabel->setBuddy(m_width);
  form->addRow(widthLabel, size);
  form->addRow(QStringLiteral("&Format:"), m_format);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  m_ok = buttons->button(QDialogButtonBox::Ok);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(m_transparent);
  layout->addWidget(m_selection);
  layout->addWidget(buttons);

  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(m_width, &QComboBox::currentTextChanged, this, &CSizeExportDlg::Update);
  connect(m_format, &QComboBox::currentIndexChanged, this, &CSizeExportDlg::Update);
  Update();
}

std::optional<SizedExport> CSizeExportDlg::Choice() const {
  bool number = false;
  const int width = m_width->currentText().toInt(&number);
  if (!number || width < SizedExport::kMinWidth || width > SizedExport::kMaxWidth) return std::nullopt;
  SizedExport choice;
  choice.width = width;
  choice.format = static_cast<ImageFormat>(m_format->currentData().toInt());
  choice.transparent = m_transparent->isEnabled() && m_transparent->isChecked();
  choice.selectionOnly = m_selectionShown && m_selection->isChecked();
  return choice;
}

// The height follows the width; JPEG and BMP have no transparency; OK needs a width.
void CSizeExportDlg::Update() {
  bool number = false;
  const int width = m_width->currentText().toInt(&number);
  const bool valid = number && width >= SizedExport::kMinWidth && width <= SizedExport::kMaxWidth;
  m_height->setText(valid ? QStringLiteral("x %1 pixels").arg(SizedExport::HeightOf(width))
                          : QStringLiteral("(%1 to %2)").arg(SizedExport::kMinWidth).arg(SizedExport::kMaxWidth));
  m_transparent->setEnabled(CanBeTransparent(static_cast<ImageFormat>(m_format->currentData().toInt())));
  m_ok->setEnabled(valid);
}

}  // namespace pelmoro
