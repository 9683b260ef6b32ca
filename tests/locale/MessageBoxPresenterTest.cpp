#include "locale/MessageBoxPresenter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <functional>
#include <memory>
#include <gtest/gtest.h>

namespace {

// What a box looked like while it was open.
struct TSeenBox {
    bool Shown = false;
    QString Caption;
    QString Text;
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons Buttons;
    QWidget* Owner = nullptr;
};

class MessageBoxPresenterTest : public ::testing::Test {
protected:
    // Runs action on the box once it is shown; the action has to close it.
    void WhenBoxShows(std::function<void(QMessageBox*)> action)
    {
        QTimer::singleShot(10, [this, action] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) {
                WhenBoxShows(action);
                return;
            }
            seen = {true, box->windowTitle(), box->text(), box->icon(), box->standardButtons(), box->parentWidget()};
            action(box);
            // A box the action failed to close would hold the test for ever.
            QTimer::singleShot(2000, [open = QPointer<QMessageBox>(box)] {
                if (open && open->isVisible()) {
                    ADD_FAILURE() << "the box is still open";
                    open->done(0);
                }
            });
        });
    }
    void ClickWhenShown(QMessageBox::StandardButton button)
    {
        WhenBoxShows([button](QMessageBox* box) { box->button(button)->click(); });
    }
    // Escape as the user types it: to the focused button, which passes it on to the box.
    static void PressEscape(QMessageBox* box)
    {
        QTest::keyClick(box->focusWidget() ? box->focusWidget() : box, Qt::Key_Escape);
    }

    TMessageBoxPresenter presenter;
    TSeenBox seen;
};

TEST_F(MessageBoxPresenterTest, EachKindShowsItsIconAndButtonsAndGivesTheClickedAnswer)
{
    struct TCase {
        int Kind;
        QMessageBox::Icon Icon;
        QMessageBox::StandardButtons Buttons;
        QMessageBox::StandardButton Click;
        int Result;
    };
    const TCase cases[] = {
        {MsgInformation, QMessageBox::Information, QMessageBox::Ok, QMessageBox::Ok, MsgResultOk},
        {MsgYesNo, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, MsgResultYes},
        {MsgYesNo, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No, MsgResultNo},
        {MsgYesNoCancel, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
         QMessageBox::No, MsgResultNo},
        {MsgYesNoCancel, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
         QMessageBox::Cancel, MsgResultCancel},
        {MsgRetryCancel, QMessageBox::Question, QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Retry,
         MsgResultRetry},
        {MsgRetryCancel, QMessageBox::Question, QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Cancel,
         MsgResultCancel},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.Kind << " button " << c.Click);
        seen = {};
        ClickWhenShown(c.Click);

        EXPECT_EQ(MsgBox(QStringLiteral("提示"), QStringLiteral("读取完成！"), c.Kind), c.Result);

        EXPECT_TRUE(seen.Shown);
        EXPECT_EQ(seen.Caption, QStringLiteral("提示"));
        EXPECT_EQ(seen.Text, QStringLiteral("读取完成！"));
        EXPECT_EQ(seen.Icon, c.Icon);
        EXPECT_EQ(seen.Buttons, c.Buttons);
    }
}

TEST_F(MessageBoxPresenterTest, YesNoBoxIgnoresEscapeAndCloseButton)
{
    bool stayedOpen = false;
    WhenBoxShows([&stayedOpen](QMessageBox* box) {
        PressEscape(box);
        box->close();
        QApplication::processEvents();
        stayedOpen = box->isVisible();
        box->button(QMessageBox::No)->click();
    });

    EXPECT_EQ(MsgBox("c", "save?", MsgYesNo), MsgResultNo);

    EXPECT_TRUE(stayedOpen);
}

TEST_F(MessageBoxPresenterTest, EscapeOrCloseAnswersCancelOrOk)
{
    struct TCase {
        const char* Name;
        int Kind;
        std::function<void(QMessageBox*)> Dismiss;
        int Result;
    };
    const TCase cases[] = {
        {"Escape on Retry/Cancel", MsgRetryCancel, &PressEscape, MsgResultCancel},
        {"Escape on Yes/No/Cancel", MsgYesNoCancel, &PressEscape, MsgResultCancel},
        {"close Yes/No/Cancel", MsgYesNoCancel, [](QMessageBox* box) { box->close(); }, MsgResultCancel},
        {"close Retry/Cancel", MsgRetryCancel, [](QMessageBox* box) { box->close(); }, MsgResultCancel},
        {"Escape on OK", MsgInformation, &PressEscape, MsgResultOk},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        WhenBoxShows(c.Dismiss);

        EXPECT_EQ(MsgBox("c", "t", c.Kind), c.Result);
    }
}

TEST_F(MessageBoxPresenterTest, BoxBelongsToTheActiveWindow)
{
    QWidget window;
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ClickWhenShown(QMessageBox::Ok);

    MsgBox("c", "t", MsgInformation);

    EXPECT_EQ(seen.Owner, &window);
}

TEST_F(MessageBoxPresenterTest, MessageFromAnotherThreadIsShownOnTheUserInterfaceThread)
{
    ClickWhenShown(QMessageBox::Retry);
    int result = 0;
    const std::unique_ptr<QThread> worker(QThread::create([&result] { result = MsgBox("c", "t", MsgRetryCancel); }));
    worker->start();

    EXPECT_TRUE(QTest::qWaitFor([&] { return worker->isFinished(); }, 5000));
    worker->wait();

    EXPECT_EQ(result, MsgResultRetry);
}

TEST_F(MessageBoxPresenterTest, InstallsItselfForItsLifetime)
{
    TMsgPresenter* before = SetMsgPresenter(nullptr);
    EXPECT_EQ(before, &presenter);
    SetMsgPresenter(before);
    {
        TMessageBoxPresenter inner;
        EXPECT_EQ(SetMsgPresenter(&inner), &inner);
    }
    EXPECT_EQ(SetMsgPresenter(&presenter), &presenter);
}

} // namespace
