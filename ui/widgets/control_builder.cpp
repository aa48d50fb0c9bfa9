#include "ui/widgets/control_builder.hpp"

#include <QPushButton>
#include <algorithm>
#include <utility>
#include <vector>

#include "ui/widgets/accessibility.hpp"
#include "ui/widgets/artwork.hpp"
#include "ui/widgets/auto_size_label.hpp"
#include "ui/widgets/default_font.hpp"
#include "ui/widgets/fixed_form.hpp"
#include "ui/widgets/long_text_box.hpp"
#include "ui/widgets/qt_text.hpp"
#include "ui/widgets/text_box_limit.hpp"

namespace korvel::ui {

namespace {

Qt::Alignment alignment_of(TextAlign align) {
    switch (align) {
        case TextAlign::Right: return Qt::AlignRight | Qt::AlignTop;
        case TextAlign::Center: return Qt::AlignHCenter | Qt::AlignTop;
        case TextAlign::Left: break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

// Sets a table font before any caption is fitted; the default font comes from the form.
void apply_font(QWidget& widget, const FontEntry& font) {
    if (font.is_default()) return;
    widget.setFont(pinned(QFont(to_qstring(font.family), font.point_size, QFont::Normal)));
}

AutoSizeLabel::Growth growth_of(const ControlEntry& entry) {
    if (entry.sizing == Sizing::Fixed) return AutoSizeLabel::Growth::Fixed;
    return entry.align == TextAlign::Right ? AutoSizeLabel::Growth::KeepRightEdge : AutoSizeLabel::Growth::KeepLeftEdge;
}

QWidget* make_label(const ControlEntry& entry, QWidget& form) {
    auto* label = new AutoSizeLabel(growth_of(entry), &form);
    apply_font(*label, entry.font);
    label->setGeometry(to_pixels(entry.box));
    label->setAlignment(alignment_of(entry.align));
    if (entry.background == Background::Opaque) label->setAutoFillBackground(true);
    if (entry.cursor == ControlCursor::Hotspot) label->setCursor(hotspot_cursor());
    label->set_clickable(entry.clickable);
    label->set_heading(entry.heading);
    // An empty caption keeps the laid-out box until a caption is set.
    if (!entry.caption.empty()) label->set_caption(to_qstring(entry.caption));
    return label;
}

QWidget* make_button(const ControlEntry& entry, FixedForm& form) {
    auto* button = new QPushButton(&form);
    apply_font(*button, entry.font);
    button->setText(to_qstring(entry.caption));
    button->setGeometry(to_pixels(entry.box));
    // Buttons keep the platform's cursor, and a focused button takes Enter itself.
    button->setCursor(Qt::ArrowCursor);
    button->setAutoDefault(true);
    if (entry.is_default) form.set_default_button(button);
    return button;
}

QWidget* make_text_box(const ControlEntry& entry, QWidget& form) {
    auto* box = new LongTextBox(&form);
    apply_font(*box, entry.font);
    box->setMaxLength(kTextBoxMaxLength);
    box->setText(to_qstring(entry.caption));
    box->setGeometry(to_pixels(entry.box));
    return box;
}

}  // namespace

std::vector<QWidget*> build_controls(FixedForm& form, std::span<const ControlEntry> controls) {
    std::vector<std::pair<int, QWidget*>> focus_chain;
    for (const ControlEntry& entry : controls) {
        QWidget* widget = nullptr;
        switch (entry.kind) {
            case ControlKind::Label: widget = make_label(entry, form); break;
            case ControlKind::PushButton: widget = make_button(entry, form); break;
            case ControlKind::TextBox: widget = make_text_box(entry, form); break;
        }
        widget->setObjectName(to_qstring(entry.name));
        if (!entry.tooltip.empty()) widget->setToolTip(to_qstring(entry.tooltip));
        widget->setAccessibleName(spoken_text(entry.accessible.name, entry.accessible.subject));
        widget->setAccessibleDescription(spoken_text(entry.accessible.description, entry.accessible.subject));
        if (entry.kind == ControlKind::Label) {
            widget->setFocusPolicy(Qt::NoFocus);
        } else {
            focus_chain.emplace_back(entry.tab_index, widget);
        }
    }
    std::stable_sort(focus_chain.begin(), focus_chain.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<QWidget*> tab_order;
    for (const auto& [tab_index, widget] : focus_chain) {
        if (!tab_order.empty()) QWidget::setTabOrder(tab_order.back(), widget);
        tab_order.push_back(widget);
    }
    return tab_order;
}

}  // namespace korvel::ui
