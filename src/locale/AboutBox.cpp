#include "locale/AboutBox.h"

#include "codeplug/GlobalState.h"
#include "locale/TranslateForm.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>

namespace {

constexpr int ClientWidth = 408;
constexpr int ClientHeight = 269;
constexpr int LabelLeft = 97;
constexpr int LabelHeight = 20;

QLabel* makeLabel(const char* name, const char* placeholder, QWidget* parent)
{
    auto* label = new QLabel(QString::fromLatin1(placeholder), parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

} // namespace

TfFrmAbout::TfFrmAbout(QWidget* parent)
    : TFormDialog(parent),
      Image1(new QLabel(this)),
      Label1(makeLabel("Label1", "1", this)),
      Label2(makeLabel("Label2", "2", this)),
      Label3(makeLabel("Label3", "3", this)),
      Label8(makeLabel("Label8", "4", this)),
      Label4(makeLabel("Label4", "5", this)),
      Label9(makeLabel("Label9", "6", this)),
      Memo1(new QPlainTextEdit(this)),
      Panel1(new QFrame(this)),
      Label5(makeLabel("Label5", "7", Panel1)),
      Label6(makeLabel("Label6", "8", Panel1)),
      Label7(makeLabel("Label7", "9", Panel1))
{
    setObjectName(QStringLiteral("fFrmAbout"));
    QFont boxFont;
    boxFont.setFamilies({QStringLiteral("SimSun"), QStringLiteral("宋体")});
    boxFont.setPixelSize(13);
    setFont(boxFont);
    setFixedSize(ClientWidth, ClientHeight);

    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(35, 33, 32, 32);
    // The icon and the memo keep their clicks; everything else closes the box.
    Image1->setAttribute(Qt::WA_NoMousePropagation);

    const int tops[] = {10, 32, 54, 76, 99, 120};
    QLabel* const lines[] = {Label1, Label2, Label3, Label8, Label4, Label9};
    for (int i = 0; i < 6; ++i)
        lines[i]->setGeometry(LabelLeft, tops[i], ClientWidth - LabelLeft - 5, LabelHeight);

    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setGeometry(5, 140, 398, 125);
    Memo1->setAttribute(Qt::WA_NoMousePropagation);

    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->hide();
}

void TfFrmAbout::FormShow()
{
    Image1->setPixmap(QApplication::windowIcon().pixmap(32, 32));
    TranslateForm(this, theAll().LanguageName, false);
    setWindowTitle(theAll().AppTitle);
    Memo1->clear();
    for (const QString& line : {Label5->text(), Label6->text(), QString(), Label7->text()})
        Memo1->appendPlainText(line);
    Memo1->moveCursor(QTextCursor::Start);  // show the first line, not the last
}

void TfFrmAbout::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    close();
}
