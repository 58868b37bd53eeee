#pragma once
#include <QDialog>
#include <optional>

#include "output/picture_export.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace pelmoro {

// What "Export at any size..." writes: the width in pixels (the height follows at
// 224 : 192), the format, and whether the background is left out and only the selection is
// written.
struct SizedExport {
  int width = 896;
  ImageFormat format = ImageFormat::Png;
  bool transparent = false;
  bool selectionOnly = false;

  static constexpr int kMinWidth = 56;
  static constexpr int kMaxWidth = 3584;
  // The height of a width: round(width * 192 / 224).
  static int HeightOf(int width);
  // The export options of the choice for a picture `pictureWidth` pixels wide, with the
  // selection frame when only the selection is written.
  ExportOptions Options(int pictureWidth, const std::optional<Rect>& selectionFrame) const;
};

// The small dialog of "Export at any size...": the width (a choice of 448, 896, 1792 and
// 3584, or any other width from 56 to 3584 typed in), the format, "Transparent background"
// (disabled for JPEG and BMP) and, when a selection is shown, "Selection only".
class CSizeExportDlg : public QDialog {
  Q_OBJECT

 public:
  CSizeExportDlg(bool selectionShown, QWidget* parent = nullptr);

  // The choice the controls show; nothing while the width is not a whole number from 56
  // to 3584.
  std::optional<SizedExport> Choice() const;

  QComboBox* WidthBox() const { return m_width; }
  QComboBox* FormatBox() const { return m_format; }
  QCheckBox* TransparentBox() const { return m_transparent; }
  QCheckBox* SelectionBox() const { return m_selection; }

 private:
  void Update();

  QComboBox* m_width;
  QLabel* m_height;
  QComboBox* m_format;
  QCheckBox* m_transparent;
  QCheckBox* m_selection;
  QPushButton* m_ok = nullptr;
  bool m_selectionShown;
};

}  // namespace pelmoro
