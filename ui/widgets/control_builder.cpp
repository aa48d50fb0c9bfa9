#include "ui/widgets/control_builder.hpp"

#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <utility>
#include <vector>

#include "ui/widgets/accessibility.hpp"
#include "ui/widgets/artwork.hpp"
#include "ui/widgets/auto_size_label.hpp"
#include "ui/widgets/fixed_form.hpp"
#include "ui/widgets/qt_text.hpp"

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

// Sets a table font before any caption is fitted; the default font needs nothing.
void apply_font(QWidget& widget, const FontSpec& font) {
    if (font.is_default()) return;
    widget.setFont(QFont(to_qstring(font.family), font.point_size, QFont::Normal));
}

AutoSizeLabel::Growth growth_of(const ControlSpec& spec) {
    if (spec.sizing == Sizing::Fixed) return AutoSizeLabel::Growth::Fixed;
    return spec.align == TextAlign::Right ? AutoSizeLabel::Growth::KeepRightEdge
                                          : AutoSizeLabel::Growth::KeepLeftEdge;
}

QWidget* make_label(const ControlSpec& spec, QWidget& form) {
    auto* label = new AutoSizeLabel(growth_of(spec), &form);
    apply_font(*label, spec.font);
    label->setGeometry(to_pixels(spec.box));
    label->setAlignment(alignment_of(spec.align));
    if (spec.background == Background::Opaque) label->setAutoFillBackground(true);
    if (spec.cursor == ControlCursor::Hotspot) label->setCursor(hotspot_cursor());
    label->set_clickable(spec.clickable);
    label->set_heading(spec.heading);
    // An empty caption keeps the laid-out box until a caption is set.
    if (!spec.caption.empty()) label->set_caption(to_qstring(spec.caption));
    return label;
}

QWidget* make_button(const ControlSpec& spec, FixedForm& form) {
    auto* button = new QPushButton(&form);
    apply_font(*button, spec.font);
    button->setText(to_qstring(spec.caption));
    button->setGeometry(to_pixels(spec.box));
    // Buttons keep the platform's cursor, and a focused button takes Enter itself.
    button->setCursor(Qt::ArrowCursor);
    button->setAutoDefault(true);
    if (spec.is_default) form.set_default_button(button);
    return button;
}

QWidget* make_text_box(const ControlSpec& spec, QWidget& form) {
    auto* box = new QLineEdit(&form);
    apply_font(*box, spec.font);
    box->setMaxLength(kTextBoxMaxLength);
    box->setText(to_qstring(spec.caption));
    box->setGeometry(to_pixels(spec.box));
    return box;
}

}  // namespace

void build_controls(FixedForm& form, std::span<const ControlSpec> controls) {
    std::vector<std::pair<int, QWidget*>> focus_chain;
    for (const ControlSpec& spec : controls) {
        QWidget* widget = nullptr;
        switch (spec.kind) {
            case ControlKind::Label: widget = make_label(spec, form); break;
            case ControlKind::PushButton: widget = make_button(spec, form); break;
            case ControlKind::TextBox: widget = make_text_box(spec, form); break;
        }
        widget->setObjectName(to_qstring(spec.name));
        if (!spec.tooltip.empty()) widget->setToolTip(to_qstring(spec.tooltip));
        widget->setAccessibleName(spoken_text(spec.accessible.name, spec.accessible.subject));
        widget->setAccessibleDescription(spoken_text(spec.accessible.description, spec.accessible.subject));
        if (spec.kind == ControlKind::Label) {
            widget->setFocusPolicy(Qt::NoFocus);
        } else {
            focus_chain.emplace_back(spec.tab_index, widget);
        }
    }
    std::stable_sort(focus_chain.begin(), focus_chain.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < focus_chain.size(); ++i)
        QWidget::setTabOrder(focus_chain[i - 1].second, focus_chain[i].second);
}

}  // namespace korvel::ui
