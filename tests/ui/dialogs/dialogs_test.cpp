#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <stdexcept>

#include "ui/dialogs/message_box_style.hpp"
#include "ui/dialogs/qt_dialogs.hpp"
#include "ui/widgets/text_box_limit.hpp"

namespace korvel::ui {
namespace {

TEST(MessageBoxLook, EachStyleHasItsIconAndButtons) {
    struct Case {
        MessageStyle style;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
    };
    const Case cases[] = {
        {MessageStyle::OkInformation, QMessageBox::Information, QMessageBox::Ok},
        {MessageStyle::OkExclamation, QMessageBox::Warning, QMessageBox::Ok},
        {MessageStyle::YesNoQuestion, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.style));
        const MessageBoxLook look = message_box_look(c.style);
        EXPECT_EQ(look.icon, c.icon);
        EXPECT_EQ(look.buttons, c.buttons);
    }
    EXPECT_THROW(message_box_look(static_cast<MessageStyle>(65)), std::invalid_argument);
}

TEST(MessageBoxLook, ButtonsMapToTheProgramsAnswers) {
    EXPECT_EQ(answer_of(QMessageBox::Ok), Answer::Ok);
    EXPECT_EQ(answer_of(QMessageBox::Yes), Answer::Yes);
    EXPECT_EQ(answer_of(QMessageBox::No), Answer::No);
    EXPECT_THROW(answer_of(QMessageBox::Cancel), std::invalid_argument);
}

TEST(MessageBoxLook, LineJoinsShowAsLineBreaks) {
    EXPECT_EQ(display_text(QStringLiteral("Are you sure to Exit?\r\n(All data will be lost!)")),
              QStringLiteral("Are you sure to Exit?\n(All data will be lost!)"));
    EXPECT_EQ(display_text(QStringLiteral("a\r\n\r\nb")), QStringLiteral("a\n\nb"));
    EXPECT_EQ(display_text(QStringLiteral("one line")), QStringLiteral("one line"));
}

// Runs `act` on the modal dialog as soon as it is open.
void when_dialog_opens(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        act(dialog);
    });
}

TEST(QtDialogs, MessageReturnsTheButtonPressed) {
    struct Case {
        MessageStyle style;
        QMessageBox::StandardButton press;
        Answer expected;
    };
    const Case cases[] = {
        {MessageStyle::YesNoQuestion, QMessageBox::Yes, Answer::Yes},
        {MessageStyle::YesNoQuestion, QMessageBox::No, Answer::No},
        {MessageStyle::OkInformation, QMessageBox::Ok, Answer::Ok},
        {MessageStyle::OkExclamation, QMessageBox::Ok, Answer::Ok},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.press));
        when_dialog_opens([press = c.press](QWidget* dialog) {
            auto* box = qobject_cast<QMessageBox*>(dialog);
            ASSERT_NE(box, nullptr);
            box->button(press)->click();
        });
        QtDialogs dialogs;
        EXPECT_EQ(dialogs.message(QStringLiteral("text"), c.style, QStringLiteral("title")), c.expected);
    }
}

TEST(QtDialogs, MessageShowsTitleIconAndTextWithLineBreaks) {
    QString shown_text;
    QString shown_title;
    QMessageBox::Icon shown_icon = QMessageBox::NoIcon;
    bool modal = false;
    when_dialog_opens([&](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        ASSERT_NE(box, nullptr);
        shown_text = box->text();
        shown_title = box->windowTitle();
        shown_icon = box->icon();
        modal = box->windowModality() == Qt::ApplicationModal;
        box->button(QMessageBox::Yes)->click();
    });
    QtDialogs dialogs;
    dialogs.message(QStringLiteral("New\r\nline"), MessageStyle::YesNoQuestion, QStringLiteral("Confirm Exit"));
    EXPECT_EQ(shown_text, QStringLiteral("New\nline"));
    EXPECT_EQ(shown_title, QStringLiteral("Confirm Exit"));
    EXPECT_EQ(shown_icon, QMessageBox::Question);
    EXPECT_TRUE(modal);
}

TEST(QtDialogs, EscapeOnAQuestionAnswersNo) {
    when_dialog_opens([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    QtDialogs dialogs;
    EXPECT_EQ(dialogs.message(QStringLiteral("?"), MessageStyle::YesNoQuestion, QStringLiteral("t")), Answer::No);
}

TEST(QtDialogs, InputReturnsTheTypedTextOnOk) {
    QString shown_title;
    QString shown_prompt;
    QString shown_default;
    when_dialog_opens([&](QWidget* dialog) {
        auto* input = qobject_cast<QInputDialog*>(dialog);
        ASSERT_NE(input, nullptr);
        shown_title = input->windowTitle();
        shown_prompt = input->labelText();
        shown_default = input->textValue();
        auto* edit = input->findChild<QLineEdit*>();
        ASSERT_NE(edit, nullptr);
        QTest::keyClicks(edit, QStringLiteral(" -2.5 kN"));
        input->accept();
    });
    QtDialogs dialogs;
    const std::optional<QString> answer = dialogs.input(QStringLiteral("POSITIVE (+ve) FOR DOWNWARD DIRECTION:"),
                                                        QStringLiteral("ENTER THE VERTICAL LOAD:"), QString());
    EXPECT_EQ(answer, QStringLiteral(" -2.5 kN"));
    EXPECT_EQ(shown_title, QStringLiteral("ENTER THE VERTICAL LOAD:"));
    EXPECT_EQ(shown_prompt, QStringLiteral("POSITIVE (+ve) FOR DOWNWARD DIRECTION:"));
    EXPECT_TRUE(shown_default.isEmpty());
}

TEST(QtDialogs, InputIsWideEnoughForItsTitleInABoldTitleBarWithItsButtons) {
    for (const QString& title : {QStringLiteral("A TITLE MUCH LONGER THAN THE PROMPT BELOW:"), QStringLiteral("t")}) {
        int width = 0;
        when_dialog_opens([&](QWidget* dialog) {
            width = dialog->width();
            qobject_cast<QDialog*>(dialog)->reject();
        });
        QtDialogs dialogs;
        EXPECT_FALSE(dialogs.input(QStringLiteral("p"), title, QString()).has_value());
        QFont bold = QFontDatabase::systemFont(QFontDatabase::TitleFont);
        bold.setBold(true);
        const QFontMetrics metrics(bold);
        // An icon and three buttons of about a line's height each, besides the text.
        EXPECT_GE(width, metrics.horizontalAdvance(title) + 4 * metrics.height()) << title.toStdString();
    }
}

TEST(QtDialogs, InputOffersItsDefaultSelectedSoEnterKeepsItAndTypingReplacesIt) {
    struct Case {
        QString offered;
        QString typed;  // before Enter
        QString expected;
    };
    const QString longer_than_a_paste(kTextBoxMaxLength + 5, QChar(u'4'));
    const Case cases[] = {
        {QStringLiteral("-2.5"), QString(), QStringLiteral("-2.5")},
        {QStringLiteral("-2.5"), QStringLiteral("7"), QStringLiteral("7")},
        {longer_than_a_paste, QString(), longer_than_a_paste},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        QString selected;
        when_dialog_opens([&](QWidget* dialog) {
            auto* edit = dialog->findChild<QLineEdit*>();
            ASSERT_NE(edit, nullptr);
            selected = edit->selectedText();
            QTest::keyClicks(edit, c.typed);
            QTest::keyClick(edit, Qt::Key_Return);
        });
        QtDialogs dialogs;
        EXPECT_EQ(dialogs.input(QStringLiteral("p"), QStringLiteral("t"), c.offered), c.expected);
        EXPECT_EQ(selected, c.offered);
    }
}

TEST(QtDialogs, InputReturnsNoTextOnCancelWhateverWasTyped) {
    when_dialog_opens([](QWidget* dialog) {
        auto* input = qobject_cast<QInputDialog*>(dialog);
        ASSERT_NE(input, nullptr);
        input->setTextValue(QStringLiteral("12"));
        input->reject();
    });
    QtDialogs dialogs;
    EXPECT_FALSE(dialogs.input(QStringLiteral("p"), QStringLiteral("t"), QStringLiteral("5")).has_value());
}

TEST(QtDialogs, InputKeepsLongPastesWhole) {
    // Around Qt's default limit of 32,767 characters and far beyond it.
    for (const qsizetype length : {qsizetype{32767}, qsizetype{32768}, qsizetype{40000}, qsizetype{1} << 20}) {
        SCOPED_TRACE(length);
        const QString pasted = QString(length - 1, QChar(u'7')) + QChar(u'9');
        when_dialog_opens([&pasted](QWidget* dialog) {
            auto* edit = dialog->findChild<QLineEdit*>();
            ASSERT_NE(edit, nullptr);
            QGuiApplication::clipboard()->setText(pasted);
            edit->paste();
            qobject_cast<QDialog*>(dialog)->accept();
        });
        QtDialogs dialogs;
        const std::optional<QString> answer = dialogs.input(QStringLiteral("p"), QStringLiteral("t"), QString());
        ASSERT_TRUE(answer.has_value());
        EXPECT_EQ(answer->size(), length);
        EXPECT_EQ(*answer, pasted);
    }
}

TEST(QtDialogs, FileDialogsStartInTheFolderUsedLastAndReturnEmptyOnCancel) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString opened = folder.filePath(QStringLiteral("case.korvel.json"));
    QFile file(opened);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    QtDialogs dialogs;
    when_dialog_opens([&](QWidget* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(files, nullptr);
        files->selectFile(opened);
        QMetaObject::invokeMethod(files, "accept");
    });
    EXPECT_EQ(dialogs.open_file_name(QStringLiteral("Open"), QStringLiteral("Load cases (*.korvel.json)")), opened);

    QString offered_folder;
    QStringList offered_files;
    when_dialog_opens([&](QWidget* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(files, nullptr);
        offered_folder = files->directory().absolutePath();
        offered_files = files->selectedFiles();
        files->reject();
    });
    EXPECT_TRUE(dialogs.save_file_name(QStringLiteral("Save"), QStringLiteral("report.pdf"), QString()).isEmpty());
    EXPECT_EQ(QDir(offered_folder), QDir(folder.path()));
    ASSERT_EQ(offered_files.size(), 1);
    EXPECT_EQ(QFileInfo(offered_files.front()).fileName(), QStringLiteral("report.pdf"));
}

}  // namespace
}  // namespace korvel::ui
