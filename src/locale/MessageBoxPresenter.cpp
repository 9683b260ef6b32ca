#include "locale/MessageBoxPresenter.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QThread>

namespace {

// A question that must be answered: Escape and the window's close button do nothing.
class TAnswerRequiredBox final : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->matches(QKeySequence::Cancel))
            return;
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override { event->ignore(); }
};

int resultOf(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Yes: return MsgResultYes;
    case QMessageBox::No: return MsgResultNo;
    case QMessageBox::Retry: return MsgResultRetry;
    case QMessageBox::Cancel: return MsgResultCancel;
    default: return MsgResultOk;
    }
}

int showBox(const QString& caption, const QString& text, int kind)
{
    QWidget* owner = QApplication::activeWindow();
    // Escape and the close button of an OK box give OK, of a box with Cancel Cancel: the
    // buttons QMessageBox itself picks for them.
    std::unique_ptr<QMessageBox> box = kind == MsgYesNo ? std::make_unique<TAnswerRequiredBox>(owner)
                                                        : std::make_unique<QMessageBox>(owner);
    box->setWindowTitle(caption);
    box->setText(text);
    switch (kind) {
    case MsgYesNo:
        box->setIcon(QMessageBox::Question);
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(QMessageBox::Yes);
        break;
    case MsgYesNoCancel:
        box->setIcon(QMessageBox::Question);
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box->setDefaultButton(QMessageBox::Yes);
        break;
    case MsgRetryCancel:
        box->setIcon(QMessageBox::Question);
        box->setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
        box->setDefaultButton(QMessageBox::Retry);
        break;
    default:
        box->setIcon(QMessageBox::Information);
        box->setStandardButtons(QMessageBox::Ok);
        break;
    }
    box->exec();
    return resultOf(box->standardButton(box->clickedButton()));
}

} // namespace

TMessageBoxPresenter::TMessageBoxPresenter()
{
    m_previous = SetMsgPresenter(this);
}

TMessageBoxPresenter::~TMessageBoxPresenter()
{
    SetMsgPresenter(m_previous);
}

int TMessageBoxPresenter::Present(const QString& caption, const QString& text, int kind)
{
    if (QThread::currentThread() == qApp->thread())
        return showBox(caption, text, kind);
    int result = MsgResultOk;
    QMetaObject::invokeMethod(
        qApp, [&] { result = showBox(caption, text, kind); }, Qt::BlockingQueuedConnection);
    return result;
}
