#pragma once
#include <QColor>
#include <QDialog>
#include <QString>

class QFrame;
class QLabel;

namespace pelmoro {

class CExtButtonCtrl;
class CHyperLink;

// Help / About: the program's icon, name and version, the maker's notice line with a mail
// link on the maker's name, a home-page link to the installed README and a flat OK button
// with a check mark. The
// controls sit where the dialog's layout (in dialog units) puts them; a row whose texts
// are wider than their places moves along and widens the box.
class CAboutDlg : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kDialogWidth = 206;
  static constexpr int kDialogHeight = 79;

  explicit CAboutDlg(QWidget* parent = nullptr);
  // The home link opens the README installed with the programs in `programFolder`.
  CAboutDlg(const QString& programFolder, QWidget* parent);

  CHyperLink* MailLink() const { return m_linkMail; }
  CHyperLink* HomeLink() const { return m_linkHome; }
  CExtButtonCtrl* OkButton() const { return m_btnOK; }
  QLabel* TitleLabel() const { return m_title; }

 private:
  void OnInitDialog();
  void PlaceControls();

  QString m_programFolder;
  CHyperLink* m_linkMail;
  CHyperLink* m_linkHome;
  CExtButtonCtrl* m_btnOK;
  QColor m_crLink;
  QColor m_crHover;
  QColor m_crVisited;

  QLabel* m_icon;
  QLabel* m_title;
  QLabel* m_noticeBefore;
  QLabel* m_noticeAfter;
  QLabel* m_homeCaption;
  QFrame* m_line;
};

}  // namespace pelmoro
