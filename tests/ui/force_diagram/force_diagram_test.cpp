#include <gtest/gtest.h>

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "engine/envelope.hpp"
#include "tests/ui/analysis_records.hpp"
#include "ui/force_diagram/diagram_legend.hpp"
#include "ui/force_diagram/diagram_pane.hpp"
#include "ui/force_diagram/envelope_diagram_texts.hpp"
#include "ui/force_diagram/force_diagram_layout.hpp"
#include "ui/force_diagram/force_diagram_painter.hpp"
#include "ui/force_diagram/force_diagram_texts.hpp"
#include "ui/force_diagram/force_sign.hpp"
#include "ui/force_diagram/text_placer.hpp"
#include "ui/report/diagram_picture.hpp"
#include "ui/widgets/qt_text.hpp"

namespace korvel::ui {
namespace {

using testing::analysed;
using testing::apex_load;
using testing::large_results;
using testing::mixed_loads;

TEST(ForceSign, IsTheSignOfTheForce) {
    const struct {
        const char* text;
        ForceSign sign;
    } cases[] = {
        {"10.0012", ForceSign::Tension},
        {"0.0001", ForceSign::Tension},
        {"-11.1835", ForceSign::Compression},
        {"-0.0001", ForceSign::Compression},
        {"0", ForceSign::Zero},
        {"0.0000", ForceSign::Zero},
        {"100", ForceSign::Tension},
        {"-922337203685477.5808", ForceSign::Compression},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(force_sign(engine::Fixed4::parse(c.text)), c.sign);
    }
}

TEST(ForceSign, FindsTheLargestTensionAndCompressionWithEveryMemberCarryingThem) {
    const ForceExtremes apex = force_extremes(apex_load().result);
    using enum engine::Member;
    EXPECT_EQ(apex.tension.force.to_text(), "10.0012");
    EXPECT_EQ(apex.tension.members, (std::vector<engine::Member>{L0L1, L1L2, L5L6, L4L5}));
    EXPECT_EQ(apex.compression.force.to_text(), "-11.1835");
    EXPECT_EQ(apex.compression.members, (std::vector<engine::Member>{U2U3, U5U6}));
    EXPECT_DOUBLE_EQ(apex.largest_magnitude, 11.1835);

    const ForceExtremes unloaded = force_extremes(analysed("10", {}).result);
    EXPECT_TRUE(unloaded.tension.members.empty());
    EXPECT_TRUE(unloaded.compression.members.empty());
    EXPECT_EQ(unloaded.largest_magnitude, 0);
    const LegendSentences legend = legend_sentences(analysed("10", {}));
    EXPECT_EQ(legend.largest_tension, QStringLiteral("Largest tension: none"));
    EXPECT_EQ(legend.largest_compression, QStringLiteral("Largest compression: none"));
}

TEST(ForceDiagramLegend, StatesTheSpanTheSignConventionAndTheLargestForces) {
    const LegendSentences legend = legend_sentences(apex_load());
    EXPECT_EQ(legend.span_and_signs,
              QStringLiteral("Span 16. Axial forces: positive = tension, negative = compression."));
    EXPECT_EQ(legend.largest_tension, QStringLiteral("Largest tension: 10.0012 in L0L1, L1L2, L5L6, L4L5"));
    EXPECT_EQ(legend.largest_compression, QStringLiteral("Largest compression: -11.1835 in U2U3, U5U6"));
}

struct LayoutCase {
    const char* name;
    AnalysisRecord (*record)();
    QSizeF size;
    int font_points;
};

AnalysisRecord long_load_texts() {
    return analysed("24", {{"U4.V", "10.000000000000000000000000000000000000001"},
                           {"L0.H", "-12345678.9"},
                           {"L6.H", "98765432.1"},
                           {"U1.H", "1"},
                           {"U7.H", "-1"}});
}

const LayoutCase kLayoutCases[] = {
    {"apex, window opened", apex_load, {936, 516}, 9},      {"apex, smallest window", apex_load, {536, 336}, 9},
    {"apex, wide and low", apex_load, {1800, 420}, 9},      {"apex, tall and narrow", apex_load, {600, 1000}, 12},
    {"mixed, window opened", mixed_loads, {936, 516}, 9},   {"mixed, smallest window", mixed_loads, {536, 336}, 9},
    {"mixed, large font", mixed_loads, {1200, 700}, 14},    {"long load texts", long_load_texts, {936, 516}, 9},
    {"large, window opened", large_results, {936, 516}, 9}, {"large, smallest window", large_results, {536, 336}, 9},
    {"large, wide and low", large_results, {1800, 420}, 9}, {"large, page", large_results, {700, 480}, 10},
    {"mixed, narrow pane", mixed_loads, {440, 420}, 12},
};

ForceDiagramLayout lay_out(const LayoutCase& c, const AnalysisRecord& record, QImage& device) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(c.font_points);
    return lay_out_fitted_force_diagram(record, QRectF(QPointF(12, 12), c.size), font, &device).layout;
}

TEST(ForceDiagramLayout, WritesEveryMembersExactResultTextInTheColourOfItsSign) {
    QImage device(10, 10, QImage::Format_RGB32);
    for (const LayoutCase& c : kLayoutCases) {
        SCOPED_TRACE(c.name);
        const AnalysisRecord record = c.record();
        const ForceDiagramLayout layout = lay_out(c, record, device);
        std::map<engine::Member, const DiagramText*> by_member;
        for (const DiagramText& text : layout.texts)
            if (text.role == TextRole::MemberForce) by_member[text.member.value()] = &text;
        ASSERT_EQ(by_member.size(), engine::kMemberCount);
        for (const engine::Member member : engine::kMembers) {
            const engine::Fixed4 force = record.result.force(member);
            EXPECT_EQ(by_member.at(member)->text, to_qstring(force.to_text())) << engine::member_name(member);
            EXPECT_EQ(by_member.at(member)->sign, force_sign(force)) << engine::member_name(member);
        }
    }
}

TEST(ForceDiagramLayout, NoTwoTextsOverlapAndEveryTextLiesInTheArea) {
    QImage device(10, 10, QImage::Format_RGB32);
    for (const LayoutCase& c : kLayoutCases) {
        SCOPED_TRACE(c.name);
        const ForceDiagramLayout layout = lay_out(c, c.record(), device);
        const QRectF area(QPointF(12, 12), c.size);
        for (std::size_t i = 0; i < layout.texts.size(); ++i) {
            const DiagramText& a = layout.texts[i];
            EXPECT_TRUE(area.contains(a.box)) << a.text.toStdString();
            for (std::size_t j = i + 1; j < layout.texts.size(); ++j) {
                const DiagramText& b = layout.texts[j];
                EXPECT_FALSE(a.box.intersects(b.box)) << a.text.toStdString() << " and " << b.text.toStdString();
            }
        }
    }
}

// Each force sits beside its member, on it, at the end of a leader from its middle, or
// in the list under a number that also marks the member; none touches another member.
TEST(ForceDiagramLayout, AForceAndItsCalloutsTouchNoOtherMember) {
    QImage device(10, 10, QImage::Format_RGB32);
    for (const LayoutCase& c : kLayoutCases) {
        SCOPED_TRACE(c.name);
        const ForceDiagramLayout layout = lay_out(c, c.record(), device);
        std::map<engine::Member, QStringList> callouts;
        for (const DiagramText& text : layout.texts) {
            if (text.role != TextRole::MemberForce && text.role != TextRole::Callout) continue;
            const engine::Member own = text.member.value();
            for (const MemberStroke& m : layout.members) {
                if (m.member == own) continue;
                EXPECT_FALSE(touches({m.line, m.width}, text.box))
                    << text.text.toStdString() << " of " << engine::member_name(own) << " on "
                    << engine::member_name(m.member);
            }
            if (text.role == TextRole::Callout) callouts[own].append(text.text);
            if (text.leader) {
                const auto stroke = std::find_if(layout.members.begin(), layout.members.end(),
                                                 [&](const MemberStroke& m) { return m.member == own; });
                EXPECT_EQ(text.leader->p1(), stroke->line.center()) << engine::member_name(own);
            }
        }
        // A number at the member and the same before its value in the list, or the member's name there.
        for (const auto& [member, numbers] : callouts) {
            if (numbers.size() == 1) {
                EXPECT_EQ(numbers[0], to_qstring(engine::member_name(member)));
                continue;
            }
            ASSERT_EQ(numbers.size(), 2) << engine::member_name(member);
            EXPECT_EQ(numbers[0], numbers[1]);
        }
    }
}

TEST(ForceDiagramLayout, DrawsEveryLoadAsTypedAndTheThreeReactionsWithTheirValues) {
    QImage device(10, 10, QImage::Format_RGB32);
    const AnalysisRecord record = mixed_loads();
    const ForceDiagramLayout layout = lay_out(kLayoutCases[4], record, device);
    QStringList loads;
    QStringList reactions;
    for (const DiagramText& text : layout.texts) {
        if (text.role == TextRole::Load) loads.append(text.text);
        if (text.role == TextRole::Reaction) reactions.append(text.text);
    }
    QStringList typed;
    for (const std::string& load : record.input.loads)
        if (!load.empty()) typed.append(to_qstring(load));
    loads.sort();
    typed.sort();
    EXPECT_EQ(loads, typed);
    const auto shown = [&](engine::Reaction reaction) {
        return to_qstring(record.result.reaction(reaction).to_text());
    };
    EXPECT_EQ(reactions, (QStringList{QStringLiteral("RL0 = ") + shown(engine::Reaction::RL0),
                                      QStringLiteral("RL6 = ") + shown(engine::Reaction::RL6),
                                      QStringLiteral("HL0 = ") + shown(engine::Reaction::HL0)}));
    const auto reaction_arrows =
        std::count_if(layout.arrows.begin(), layout.arrows.end(), [](const DiagramArrow& a) { return a.reaction; });
    EXPECT_EQ(reaction_arrows, 3);
    EXPECT_EQ(layout.arrows.size(), static_cast<std::size_t>(typed.size()) + 3);
}

// An envelope of a gravity and an uplift combination, whose members and supports reverse.
struct EnvelopeCase {
    AnalysisRecord uplift = analysed("16", {{"U4.V", "-12"}, {"U2.V", "-6"}, {"U1.H", "4"}});
    engine::Envelope envelope =
        engine::Envelope::of(std::vector<engine::AnalysisOutcome>{apex_load().result, uplift.result});
    MemberText member_text() const {
        return [this](engine::Member member) {
            const engine::Extremes& e = envelope.force(member);
            return to_qstring(e.max.value.to_text()) +
                   (e.reverses() ? QStringLiteral(" / ") + to_qstring(e.min.value.to_text()) : QString());
        };
    }
};

TEST(ForceDiagramLayout, AnEnvelopeWritesBothExtremesOfEachReactionAndItsUplift) {
    const EnvelopeCase c;
    const ReactionText text = envelope_reaction_texts(c.envelope);
    for (const engine::Reaction reaction : {engine::Reaction::RL0, engine::Reaction::RL6, engine::Reaction::HL0}) {
        const engine::Extremes& e = c.envelope.reaction(reaction);
        const QString both = to_qstring(std::string(engine::reaction_name(reaction)) + " = " + e.max.value.to_text() +
                                        " / " + e.min.value.to_text());
        EXPECT_EQ(text(reaction),
                  c.envelope.uplifts(reaction) ? both + to_qstring(force_diagram_texts::kUpliftSuffix) : both);
    }
    EXPECT_TRUE(c.envelope.uplifts(engine::Reaction::RL0));
    QImage device(10, 10, QImage::Format_RGB32);
    const ForceDiagramLayout layout =
        lay_out_force_diagram(c.uplift, QRectF(0, 0, 900, 500), QFontMetricsF(QFont(), &device), c.member_text(), text);
    EXPECT_EQ(std::count_if(layout.texts.begin(), layout.texts.end(),
                            [&](const DiagramText& t) { return t.text == text(engine::Reaction::RL0); }),
              1);
}

// The envelope's pane at the sizes the load cases window gives it: every text is whole
// inside the pane, clear of every other text and of every arrow, or the pane says it is too small.
TEST(ForceDiagramLayout, NoTextIsCutCoveredOrCrossedInAnyPaneThatShowsTheDiagram) {
    const EnvelopeCase c;
    const struct {
        const char* name;
        QSizeF pane;
        double points;
        bool readable;
    } cases[] = {
        {"default size", {1000, 520}, 9, true},
        {"default size, 14 pt", {1000, 520}, 14, true},
        {"1920x1080 at twice the scale, 14 pt", {520, 330}, 14, true},
        {"1024x600", {520, 250}, 9, true},
        {"800x600", {380, 170}, 9, false},
        {"800x600 at twice the scale", {180, 60}, 9, false},
        {"a sliver", {900, 40}, 9, false},
    };
    QImage device(10, 10, QImage::Format_RGB32);
    for (const auto& p : cases) {
        SCOPED_TRACE(p.name);
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPointSizeF(p.points);
        const QRectF area(QPointF(6, 6), p.pane);
        const FittedForceDiagram fitted = lay_out_fitted_force_diagram(c.uplift, area, font, &device, c.member_text(),
                                                                       envelope_reaction_texts(c.envelope));
        EXPECT_EQ(fitted.readable, p.readable);
        if (!fitted.readable) continue;
        const ForceDiagramLayout& layout = fitted.layout;
        const double pad = kTextPadding * layout.line_height;
        for (std::size_t i = 0; i < layout.texts.size(); ++i) {
            const DiagramText& a = layout.texts[i];
            EXPECT_TRUE(area.contains(a.box)) << a.text.toStdString();
            for (std::size_t j = i + 1; j < layout.texts.size(); ++j)
                EXPECT_FALSE(a.box.intersects(layout.texts[j].box))
                    << a.text.toStdString() << " and " << layout.texts[j].text.toStdString();
            for (const DiagramArrow& arrow : layout.arrows)
                EXPECT_FALSE(touches({arrow.shaft, 0}, a.box.adjusted(pad, pad, -pad, -pad))) << a.text.toStdString();
        }
    }
}

// Too small a pane says so and offers the diagram in a window of its own, which draws it.
TEST(DiagramPane, TooSmallOffersTheDiagramInItsOwnWindow) {
    const EnvelopeCase c;
    QWidget window;
    DiagramPane pane(
        [&c](const QRectF& area, const QFont& font, const QPaintDevice* device) {
            return std::optional(lay_out_fitted_force_diagram(c.uplift, area, font, device, c.member_text(),
                                                              envelope_reaction_texts(c.envelope)));
        },
        QStringLiteral("Envelope"), &window);
    auto* offer = pane.findChild<QPushButton*>();
    ASSERT_NE(offer, nullptr);
    for (const bool small : {false, true}) {
        SCOPED_TRACE(small);
        window.resize(small ? QSize(300, 120) : QSize(1000, 560));
        pane.setGeometry(window.rect());
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        pane.repaint();
        EXPECT_EQ(pane.shows_diagram(), !small);
        EXPECT_EQ(offer->isVisible(), small);
    }
    offer->click();
    ASSERT_NE(pane.own_window(), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(pane.own_window()));
    pane.own_window()->repaint();
    EXPECT_TRUE(pane.own_window()->shows_diagram());
    EXPECT_EQ(pane.own_window()->findChild<QPushButton*>(), nullptr) << "no further window";
}

TEST(ForceDiagramLayout, ArrowsPointTheWayTheLoadsAndReactionsAct) {
    QImage device(10, 10, QImage::Format_RGB32);
    // One load at a time, so the only load arrow is the one asked about.
    const struct {
        const char* key;
        const char* text;
        QPointF direction;  // on the screen: y grows downward
    } cases[] = {
        {"U4.V", "10", {0, 1}}, {"U4.V", "-10", {0, -1}}, {"L2.V", "4", {0, 1}}, {"L2.V", "-4", {0, -1}},
        {"U2.H", "3", {1, 0}},  {"U2.H", "-3", {-1, 0}},  {"U6.H", "3", {1, 0}}, {"L6.H", "-1", {-1, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.key) + "=" + c.text);
        const AnalysisRecord record = analysed("16", {{c.key, c.text}});
        const ForceDiagramLayout layout = lay_out(kLayoutCases[0], record, device);
        const auto load =
            std::find_if(layout.arrows.begin(), layout.arrows.end(), [](const DiagramArrow& a) { return !a.reaction; });
        ASSERT_NE(load, layout.arrows.end());
        const QPointF along = load->shaft.p2() - load->shaft.p1();
        EXPECT_GT(QPointF::dotProduct(along, c.direction), 0.9 * load->shaft.length());
    }
}

TEST(ForceDiagramLayout, LinesGrowWithTheForceFromTheThinnestAtZeroToTheWidestAtTheLargest) {
    QImage device(10, 10, QImage::Format_RGB32);
    const ForceDiagramLayout layout = lay_out(kLayoutCases[0], apex_load(), device);
    std::map<engine::Member, double> width;
    for (const MemberStroke& m : layout.members) width[m.member] = m.width;
    const double widest = std::max_element(layout.members.begin(), layout.members.end(), [](auto& a, auto& b) {
                              return a.width < b.width;
                          })->width;
    EXPECT_EQ(width.at(engine::Member::U2U3), widest);
    EXPECT_EQ(width.at(engine::Member::U5U6), widest);
    EXPECT_LT(width.at(engine::Member::L0L1), widest);
    EXPECT_GT(width.at(engine::Member::L0L1), 3 * width.at(engine::Member::L1U1));
    EXPECT_EQ(width.at(engine::Member::L1U1), width.at(engine::Member::L3U4));  // both "0"
    EXPECT_LT(width.at(engine::Member::L1U1), width.at(engine::Member::U2U8));  // "0" against "0.0024"
}

// Paints at three device pixels per unit, so even the thinnest line has pixels of its own colour.
QImage painted(const AnalysisRecord& record, const DiagramPalette& palette, QRectF& area) {
    QImage image(QSize(960, 540) * 3, QImage::Format_RGB32);
    image.setDevicePixelRatio(3);
    image.fill(palette.background);
    QPainter painter(&image);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(9);
    painter.setFont(font);
    area = QRectF(12, 12, 936, 516);
    paint_force_diagram(painter, area, record, palette);
    return image;
}

TEST(ForceDiagramPainter, PaintsTensionCompressionAndZeroInTheirColours) {
    const AnalysisRecord record = apex_load();
    for (const DiagramPalette& palette : {paper_palette(), palette_for(QPalette(QColor(0x30, 0x30, 0x30)))}) {
        QRectF area;
        const QImage image = painted(record, palette, area);
        QImage device(10, 10, QImage::Format_RGB32);
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPointSize(9);
        const ForceDiagramLayout layout = lay_out_force_diagram(record, area, QFontMetricsF(font, &image));
        // Hand-checked: the bottom chord pulls, the top chord pushes, L3U4 and L1U1 carry nothing.
        using enum engine::Member;
        const std::map<engine::Member, QColor> expected{{L0L1, palette.tension},     {L3L4, palette.tension},
                                                        {U2U3, palette.compression}, {L6U7, palette.compression},
                                                        {L3U4, palette.zero},        {L1U1, palette.zero}};
        for (const MemberStroke& m : layout.members) {
            if (!expected.contains(m.member)) continue;
            SCOPED_TRACE(std::string(engine::member_name(m.member)));
            int matching = 0;
            for (double t = 0.3; t <= 0.7; t += 0.05) {
                const QPointF p = m.line.pointAt(t);
                const bool under_text = std::any_of(layout.texts.begin(), layout.texts.end(),
                                                    [&](const DiagramText& text) { return text.box.contains(p); });
                if (!under_text && image.pixelColor((p * 3).toPoint()) == expected.at(m.member)) ++matching;
            }
            EXPECT_GE(matching, 3);
        }
    }
}

// The contrast ratio of two colours as the web accessibility guidelines define it.
double contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST(ForceDiagramPainter, EveryColourStandsOutFromLightAndDarkBackgrounds) {
    for (const QColor background :
         {QColor(Qt::white), QColor(0xF0, 0xF0, 0xF0), QColor(0x30, 0x30, 0x30), QColor(0x1E, 0x1E, 0x1E)}) {
        SCOPED_TRACE(background.name().toStdString());
        const DiagramPalette palette = palette_for(QPalette(background));
        EXPECT_EQ(palette.background, background);
        for (const QColor colour : {palette.tension, palette.compression, palette.zero})
            EXPECT_GE(contrast(colour, background), 3.0) << colour.name().toStdString();
        EXPECT_NE(palette.tension, palette.compression);
    }
    EXPECT_EQ(palette_for(QPalette(QColor(0xF0, 0xF0, 0xF0))).tension, paper_palette().tension);
}

// The picture is drawn by the same painter, so its SVG text holds what was written.
TEST(ForceDiagramPainter, WritesAll29ResultTexts) {
    const AnalysisRecord record = mixed_loads();
    const QString svg = QString::fromUtf8(diagram_svg(record));
    std::map<QString, qsizetype> needed;
    for (const engine::Member member : engine::kMembers) ++needed[to_qstring(record.result.force(member).to_text())];
    for (const auto& [text, count] : needed) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_GE(svg.count(u'>' + text + QStringLiteral("</text>")), count);
    }
}

}  // namespace
}  // namespace korvel::ui
