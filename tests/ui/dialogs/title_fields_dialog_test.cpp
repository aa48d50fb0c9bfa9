#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "ui/dialogs/dialogs_texts.hpp"
#include "ui/dialogs/qt_dialogs.hpp"
#include "ui/dialogs/title_fields_dialog.hpp"
#include "ui/widgets/qt_text.hpp"

namespace korvel::ui {

void PrintTo(const TitleFields& fields, std::ostream* out) {
    *out << '{' << fields.project.toStdString() << '|' << fields.engineer.toStdString() << '|'
         << fields.checked_by.toStdString() << '}';
}

namespace {

const TitleFields kOffered{QStringLiteral("Hall roof"), QStringLiteral("A. Engineer"), QString()};

// The program's dialog answered by keys: Alt and each label's access key reach its line,
// typing replaces the line's text, and `closing_key` ends the dialog.
std::optional<TitleFields> answer_by_keys(const std::vector<std::pair<QChar, QString>>& typed, Qt::Key closing_key) {
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<TitleFieldsDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
        for (const auto& [access_key, text] : typed) {
            QTest::keyClick(dialog->focusWidget(), access_key.toLatin1(), Qt::AltModifier);
            auto* line = qobject_cast<QLineEdit*>(dialog->focusWidget());
            ASSERT_NE(line, nullptr);
            line->selectAll();
            QTest::keyClicks(line, text);
        }
        QTest::keyClick(dialog->focusWidget(), closing_key);
    });
    return QtDialogs().title_fields(kOffered);
}

TEST(TitleFieldsDialog, OffersTheLastFieldsEachLineByItsAccessKeyEnterKeepsThemEscapeCancels) {
    EXPECT_EQ(answer_by_keys({}, Qt::Key_Return), kOffered);
    EXPECT_EQ(answer_by_keys({{u'h', QStringLiteral("  B. Checker ")}, {u'p', QStringLiteral("Barn")}}, Qt::Key_Return),
              (TitleFields{QStringLiteral("Barn"), kOffered.engineer, QStringLiteral("B. Checker")}));
    EXPECT_EQ(answer_by_keys({{u'e', QStringLiteral("X")}}, Qt::Key_Escape), std::nullopt);
}

TEST(TitleFieldsDialog, EachLineIsNamedByItsLabelAndBounded) {
    TitleFieldsDialog dialog(TitleFields{QString(TitleFieldsDialog::kFieldMaxLength + 5, u'x'), {}, {}});
    const QList<QLineEdit*> lines = dialog.findChildren<QLineEdit*>();
    ASSERT_EQ(lines.size(), static_cast<qsizetype>(kTitleFieldLines.size()));
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->buddy() == nullptr) continue;
        EXPECT_TRUE(label->text().contains(u'&'));
        EXPECT_TRUE(label->text().remove(u'&').startsWith(label->buddy()->accessibleName()));
    }
    EXPECT_EQ(dialog.fields().project.size(), TitleFieldsDialog::kFieldMaxLength);
}

}  // namespace
}  // namespace korvel::ui
