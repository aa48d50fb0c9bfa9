#pragma once

#include <gtest/gtest.h>

#include <QAccessible>
#include <QWidget>
#include <vector>

#include "ui/widgets/auto_size_label.hpp"

namespace korvel::ui::testing {

// Checks every caption a window draws: it lies inside the window, touches no
// other caption, and is either whole or cut with "…" and then whole in its
// hover text and its spoken description.
inline void expect_captions_whole_or_marked_and_apart(const QWidget& window) {
    struct Drawn {
        const AutoSizeLabel* label;
        QRect ink;
    };
    std::vector<Drawn> drawn;
    for (const AutoSizeLabel* label : window.findChildren<AutoSizeLabel*>()) {
        if (!label->isVisibleTo(&window) || label->drawn_text().isEmpty()) continue;
        SCOPED_TRACE(label->objectName().toStdString() + " " + label->text().toStdString());
        drawn.push_back({label, label->ink_rect().translated(label->mapTo(&window, QPoint(0, 0)))});
        EXPECT_TRUE(window.rect().contains(drawn.back().ink)) << "outside the window";
        if (label->drawn_text() == label->text()) continue;
        EXPECT_TRUE(label->drawn_text().endsWith(QChar(0x2026)));
        EXPECT_TRUE(label->text().startsWith(label->drawn_text().chopped(1)));
        EXPECT_EQ(label->toolTip(), label->shown_text());
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(const_cast<AutoSizeLabel*>(label));
        ASSERT_NE(spoken, nullptr);
        EXPECT_EQ(spoken->text(QAccessible::Value), label->shown_text());
        // Past kShownCaptionLength characters the shown text itself ends in "…".
        if (label->drawn_text() != label->shown_text()) {
            EXPECT_TRUE(spoken->text(QAccessible::Description).contains(label->shown_text()));
        }
    }
    for (std::size_t i = 0; i < drawn.size(); ++i)
        for (std::size_t j = i + 1; j < drawn.size(); ++j)
            EXPECT_FALSE(drawn[i].ink.intersects(drawn[j].ink))
                << drawn[i].label->objectName().toStdString() << " over " << drawn[j].label->objectName().toStdString();
}

}  // namespace korvel::ui::testing
