#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/ui/main_window/main_window_fixture.hpp"
#include "ui/files/case_file.hpp"
#include "ui/main_window/recent_files.hpp"

namespace korvel::ui::testing {
namespace {

using Call = ScriptedDialogs::Call;

std::size_t load(const char* key) { return *engine::load_index_by_key(key); }

QByteArray contents_of(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write_bytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

// A main window holding some input, with a folder for case files.
class CasesTest : public MainWindowTest {
protected:
    CasesTest() {
        engine::AnalysisInput input;
        input.span = "16";
        input.loads[load("U4.V")] = "10";  // Label29
        input.loads[load("L5.V")] = "-4";  // Label37
        show(input);
        button("Command4").setFocus();  // so every command has to bring the focus back
    }

    // The span and the 23 captions as the window shows them now.
    engine::AnalysisInput shown_input() const {
        engine::AnalysisInput input;
        input.span = span_box().text().toStdString();
        for (std::size_t i = 0; i < engine::kLoadCount; ++i)
            input.loads[i] = caption(std::string(engine::kLoadMap[i].label)).toStdString();
        return input;
    }
    void show(const engine::AnalysisInput& input) {
        span_box().setText(QString::fromStdString(input.span));
        for (std::size_t i = 0; i < engine::kLoadCount; ++i)
            label(std::string(engine::kLoadMap[i].label)).set_caption(QString::fromStdString(input.loads[i]));
    }
    void press(Qt::Key key) { QTest::keyClick(window.get(), key, Qt::ControlModifier); }
    QString path(const char* name) const { return folder.filePath(QString::fromUtf8(name)); }

    QTemporaryDir folder;
};

void expect_same_input(const engine::AnalysisInput& actual, const engine::AnalysisInput& expected) {
    EXPECT_EQ(actual.span, expected.span);
    for (std::size_t i = 0; i < engine::kLoadCount; ++i)
        EXPECT_EQ(actual.loads[i], expected.loads[i]) << engine::load_key(engine::kLoadMap[i]);
}

TEST_F(CasesTest, TheMenuOffersItsCommandsWithTheirShortcuts) {
    auto* menu = window->findChild<QMenu*>(QStringLiteral("WindowMenu"));
    ASSERT_NE(menu, nullptr);
    struct Shown {
        QString text;
        QString shortcut;
        bool enabled;
        bool operator==(const Shown&) const = default;
    };
    const auto shown = [menu] {
        std::vector<Shown> commands;
        for (const QAction* action : menu->actions())
            if (!action->isSeparator())
                commands.push_back({action->text(), action->shortcut().toString(), action->isEnabled()});
        return commands;
    };
    std::vector<Shown> expected{
        {QStringLiteral("Open load case..."), QStringLiteral("Ctrl+O"), true},
        {QStringLiteral("Open recent"), QString(), true},
        {QStringLiteral("Save load case..."), QStringLiteral("Ctrl+S"), true},
        {QStringLiteral("Edit all loads..."), QStringLiteral("Ctrl+L"), true},
        {QStringLiteral("Load cases..."), QStringLiteral("Ctrl+Shift+L"), true},
        // Greyed until there is an analysis to draw.
        {QStringLiteral("Force diagram"), QStringLiteral("Ctrl+D"), false},
        {QStringLiteral("Undo"), QStringLiteral("Ctrl+Z"), true},
        {QStringLiteral("Redo"), QStringLiteral("Ctrl+Shift+Z"), true},
        {QStringLiteral("Roof pitch..."), QStringLiteral("Ctrl+Shift+P"), true},
        {QStringLiteral("Design members..."), QStringLiteral("Ctrl+Shift+D"), true},
    };
    EXPECT_EQ(shown(), expected);

    window->set_forces_available(true);
    expected[5].enabled = true;
    EXPECT_EQ(shown(), expected);
}

TEST_F(CasesTest, SaveThenOpenGivesBackEveryInputByteForByte) {
    struct Case {
        const char* what;
        engine::AnalysisInput input;
    };
    engine::AnalysisInput blanks;
    blanks.span = " 16\t ";
    blanks.loads[load("U1.V")] = "  ";
    blanks.loads[load("U3.V")] = " 1\n6\t\r ";
    blanks.loads[load("L0.H")] = "\t3 ";
    engine::AnalysisInput non_ascii;
    non_ascii.span = "１６";
    non_ascii.loads[load("U4.V")] = "10 kN – ä ✓ 𝟙";
    non_ascii.loads[load("L6.H")] = "\"q\" \\ /";
    engine::AnalysisInput long_texts;
    long_texts.span = std::string(1 << 20, '8');
    long_texts.loads[load("U2.H")] = std::string(1 << 20, '5') + "x";
    engine::AnalysisInput every_load;
    every_load.span = "24";
    for (std::size_t i = 0; i < engine::kLoadCount; ++i) every_load.loads[i] = std::to_string(i) + ".5";
    const std::vector<Case> cases{{"blanks and line breaks", blanks},
                                  {"non-ASCII", non_ascii},
                                  {"long texts", long_texts},
                                  {"every load", every_load}};

    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        show(c.input);
        dialogs.answer_file_name(path("case"));
        press(Qt::Key_S);
        const QString saved = path("case.korvel.json");
        ASSERT_TRUE(contents_of(saved).endsWith('\n'));
        EXPECT_TRUE(span_box_has_focus());

        window->reset_loads();
        dialogs.answer_file_name(saved);
        press(Qt::Key_O);
        expect_same_input(shown_input(), c.input);
        EXPECT_FALSE(requested.has_value()) << "opening runs no analysis";
        EXPECT_TRUE(span_box_has_focus());
        QFile::remove(saved);
    }
    for (const Call& call : dialogs.calls) EXPECT_NE(call.kind, Call::Kind::Message) << call.text.toStdString();
    ASSERT_GE(dialogs.calls.size(), 1U);
    EXPECT_EQ(dialogs.calls[0].default_text, QStringLiteral("load case.korvel.json"));
    EXPECT_TRUE(dialogs.calls[0].filter.contains(QStringLiteral("*.korvel.json")));
}

TEST_F(CasesTest, OpeningOverInputAsksFirstAndNoKeepsEverything) {
    write_bytes(path("other.korvel.json"), R"({"span": "30", "loads": {"U1.V": "7"}})");
    const engine::AnalysisInput before = shown_input();

    dialogs.answer_file_name(path("other.korvel.json"));
    dialogs.answer_message(Answer::No);
    press(Qt::Key_O);
    expect_same_input(shown_input(), before);
    ASSERT_EQ(dialogs.calls.size(), 2U);
    EXPECT_EQ(dialogs.calls[1].style, MessageStyle::YesNoQuestion);
    EXPECT_TRUE(dialogs.calls[1].text.contains(QStringLiteral("other.korvel.json")));

    dialogs.answer_file_name(path("other.korvel.json"));
    dialogs.answer_message(Answer::Yes);
    press(Qt::Key_O);
    engine::AnalysisInput expected;
    expected.span = "30";
    expected.loads[load("U1.V")] = "7";
    expect_same_input(shown_input(), expected);
    EXPECT_TRUE(span_box_has_focus());
    EXPECT_TRUE(dialogs.script_used_up());
}

TEST_F(CasesTest, CancellingTheFileDialogsChangesNothing) {
    const engine::AnalysisInput before = shown_input();
    dialogs.answer_file_name(QString());
    press(Qt::Key_O);
    dialogs.answer_file_name(QString());
    press(Qt::Key_S);
    expect_same_input(shown_input(), before);
    EXPECT_EQ(dialogs.calls.size(), 2U);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList());
    EXPECT_TRUE(span_box_has_focus());
}

TEST_F(CasesTest, EveryBadFileIsReportedByNameAndLeavesTheWindowUntouched) {
    span_box().setMaxLength(8);  // a span box that takes fewer characters than the file gives
    struct Case {
        const char* what;
        QByteArray bytes;
        const char* problem;
    };
    const std::vector<Case> cases{
        {"not JSON", "span = 16\n", "not valid JSON"},
        {"unknown key", R"({"span": "16", "colour": "red"})", "unknown key"},
        {"duplicate key", R"({"loads": {"U4.V": "1", "U4.V": "1"}})", "twice"},
        {"load on a node that takes none", R"({"loads": {"L2.H": "1"}})", "L2.H"},
        {"not a text", R"({"loads": {"U4.V": null}})", "U4.V"},
        {"not UTF-8", "{\"span\": \"1\xc3\"}", "UTF-8"},
        {"over 64 MiB", QByteArray(kCaseFileSizeLimit + 1, '\n'), "64 MiB"},
        {"a span the span box refuses", R"({"span": "-", "loads": {"U4.V": "1"}})", "span \"-\""},
        {"a span on several lines", R"({"span": "1\n6"})", "several lines"},
        {"a span longer than the span box takes", R"({"span": "123456789"})", "at most 8"},
    };
    const engine::AnalysisInput before = shown_input();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        dialogs.calls.clear();
        const QString file = path("bad.korvel.json");
        write_bytes(file, c.bytes);
        dialogs.answer_file_name(file);
        press(Qt::Key_O);
        expect_same_input(shown_input(), before);
        ASSERT_EQ(dialogs.calls.size(), 2U) << "file and one message: no question, no span warning";
        const Call& message = dialogs.calls[1];
        EXPECT_EQ(message.style, MessageStyle::OkExclamation);
        EXPECT_EQ(message.title, QStringLiteral("Open load case"));
        EXPECT_TRUE(message.text.contains(QDir::toNativeSeparators(file))) << message.text.toStdString();
        EXPECT_TRUE(message.text.contains(QString::fromUtf8(c.problem))) << message.text.toStdString();
        EXPECT_TRUE(span_box_has_focus());
    }
}

TEST_F(CasesTest, AProjectFileIsHandedOnAndLeavesTheWindowUntouched) {
    write_bytes(path("roof.korvel.json"),
                R"({"span": "12", "cases": [{"name": "Dead", "kind": "dead", "loads": {"U4.V": "1"}}],)"
                R"( "combinations": [{"name": "D", "factors": {"Dead": "1.4"}}]})");
    std::vector<std::pair<QString, load_case::Project>> opened;
    QObject::connect(
        window.get(), &MainWindow::project_opened,
        [&opened](const QString& file, const load_case::Project& project) { opened.emplace_back(file, project); });
    const engine::AnalysisInput before = shown_input();
    dialogs.answer_file_name(path("roof.korvel.json"));
    press(Qt::Key_O);
    expect_same_input(shown_input(), before);
    EXPECT_EQ(dialogs.calls.size(), 1U) << "no question: nothing in this window is replaced";
    ASSERT_EQ(opened.size(), 1U);
    EXPECT_EQ(opened[0].first, path("roof.korvel.json"));
    EXPECT_EQ(opened[0].second.cases.at(0).name, "Dead");
}

TEST_F(CasesTest, PuttingInputAsksOverInputAndNoKeepsEverything) {
    engine::AnalysisInput other;
    other.span = "9";
    other.loads[load("U2.V")] = "3";
    const engine::AnalysisInput before = shown_input();
    dialogs.answer_message(Answer::No);
    EXPECT_FALSE(window->put_input(other, QStringLiteral("the load case \"Snow\"")));
    expect_same_input(shown_input(), before);
    ASSERT_EQ(dialogs.calls.size(), 1U);
    EXPECT_TRUE(dialogs.calls[0].text.contains(QStringLiteral("the load case \"Snow\"")));

    dialogs.answer_message(Answer::Yes);
    EXPECT_TRUE(window->put_input(other, QStringLiteral("the load case \"Snow\"")));
    expect_same_input(shown_input(), other);
    expect_same_input(window->input(), other);

    window->reset_loads();
    EXPECT_TRUE(window->put_input(before, QStringLiteral("a case"))) << "an empty window asks nothing";
    expect_same_input(shown_input(), before);
    EXPECT_TRUE(dialogs.script_used_up());
}

TEST_F(CasesTest, OpeningAMissingFileAtStartReportsItOnAnEmptyWindow) {
    window->reset_loads();
    window->open_load_case_file(path("gone.korvel.json"));
    ASSERT_EQ(dialogs.calls.size(), 1U) << "an empty window asks nothing";
    EXPECT_TRUE(dialogs.calls[0].text.contains(QStringLiteral("gone.korvel.json")));
    expect_same_input(shown_input(), engine::AnalysisInput{});
}

TEST_F(CasesTest, AFailedSaveIsReportedByNameAndWritesNothing) {
    const QString target = path("missing folder/case.korvel.json");
    dialogs.answer_file_name(target);
    press(Qt::Key_S);
    ASSERT_EQ(dialogs.calls.size(), 2U);
    EXPECT_EQ(dialogs.calls[1].style, MessageStyle::OkExclamation);
    EXPECT_EQ(dialogs.calls[1].title, QStringLiteral("Save load case"));
    EXPECT_TRUE(dialogs.calls[1].text.contains(QDir::toNativeSeparators(target)));
    EXPECT_TRUE(span_box_has_focus());
}

TEST_F(CasesTest, ReplacingAFileThatOnlyTheAddedExtensionNamesIsAskedFirst) {
    const QString existing = path("mine.korvel.json");
    write_bytes(existing, "old\n");
    dialogs.answer_file_name(path("mine"));
    dialogs.answer_message(Answer::No);
    press(Qt::Key_S);
    EXPECT_EQ(contents_of(existing), QByteArray("old\n"));

    dialogs.answer_file_name(path("mine"));
    dialogs.answer_message(Answer::Yes);
    press(Qt::Key_S);
    EXPECT_EQ(contents_of(existing), QByteArray(R"({"span": "16", "loads": {"U4.V": "10", "L5.V": "-4"}})"
                                                "\n"));

    dialogs.calls.clear();
    dialogs.answer_file_name(existing);  // the file dialog itself asked about this name
    press(Qt::Key_S);
    EXPECT_EQ(dialogs.calls.size(), 1U);
    EXPECT_TRUE(dialogs.script_used_up());
}

TEST_F(CasesTest, EditAllLoadsOfferTheCaptionsAndOkWritesEveryTextAsTyped) {
    LoadTexts edited;
    for (std::size_t i = 0; i < engine::kLoadCount; ++i) edited[i] = QStringLiteral(" %1 ").arg(i);
    edited[load("U4.V")] = QString();
    edited[load("L1.V")] = QString(100000, QLatin1Char('3'));
    dialogs.answer_load_table(edited);
    press(Qt::Key_L);

    ASSERT_EQ(dialogs.calls.size(), 1U);
    ASSERT_EQ(dialogs.calls[0].kind, Call::Kind::LoadTable);
    for (std::size_t i = 0; i < engine::kLoadCount; ++i) {
        const std::string name(engine::kLoadMap[i].label);
        const QString before = name == "Label29"   ? QStringLiteral("10")
                               : name == "Label37" ? QStringLiteral("-4")
                                                   : QString();
        EXPECT_EQ(dialogs.load_tables_offered.at(0)[i], before) << name;
        EXPECT_EQ(caption(name), edited[i]) << name;
    }
    EXPECT_EQ(span_box().text(), QStringLiteral("16"));
    EXPECT_FALSE(requested.has_value());
    EXPECT_TRUE(span_box_has_focus());
}

TEST_F(CasesTest, EditAllLoadsCancelledChangesNothing) {
    const engine::AnalysisInput before = shown_input();
    dialogs.answer_load_table(std::nullopt);
    press(Qt::Key_L);
    expect_same_input(shown_input(), before);
    EXPECT_TRUE(span_box_has_focus());
}

TEST(RecentFiles, KeepsTheLastEightOnceEachMostRecentFirst) {
    const QTemporaryDir folder;
    const auto file = [&folder](int n) { return folder.filePath(QStringLiteral("case%1.korvel.json").arg(n)); };
    struct Step {
        enum { Add, Remove, Clear } what;
        int file;
    };
    struct Case {
        const char* what;
        std::vector<Step> steps;
        std::vector<int> kept;
    };
    std::vector<Step> ten;
    for (int n = 1; n <= 10; ++n) ten.push_back({Step::Add, n});
    const std::vector<Case> cases{
        {"opened again moves to the top", {{Step::Add, 1}, {Step::Add, 2}, {Step::Add, 1}}, {1, 2}},
        {"the oldest beyond eight go", ten, {10, 9, 8, 7, 6, 5, 4, 3}},
        {"removed", {{Step::Add, 1}, {Step::Add, 2}, {Step::Add, 3}, {Step::Remove, 2}}, {3, 1}},
        {"cleared", {{Step::Add, 1}, {Step::Clear, 0}}, {}},
    };
    RecentFiles recent;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        recent.clear();
        for (const Step& step : c.steps) {
            if (step.what == Step::Add) recent.add(file(step.file));
            if (step.what == Step::Remove) recent.remove(file(step.file));
            if (step.what == Step::Clear) recent.clear();
        }
        QStringList expected;
        for (const int n : c.kept) expected.append(file(n));
        EXPECT_EQ(recent.paths(), expected);
        // Another start of the program finds the same list.
        EXPECT_EQ(RecentFiles().paths(), expected);
    }
    recent.add(QStringLiteral("relative.korvel.json"));
    EXPECT_EQ(recent.paths().front(), QDir::current().absoluteFilePath(QStringLiteral("relative.korvel.json")));
    recent.clear();
}

// The "Open recent" submenu, filled as it is when it opens.
QMenu& recent_submenu(MainWindow& window) {
    auto* menu = window.findChild<QMenu*>(QStringLiteral("WindowMenu"));
    for (QAction* action : menu->actions()) {
        if (action->menu() == nullptr || action->text() != QStringLiteral("Open recent")) continue;
        emit action->menu()->aboutToShow();
        return *action->menu();
    }
    throw std::logic_error("no Open recent submenu");
}

// Each entry's text and whether it can be chosen.
std::vector<std::pair<QString, bool>> recent_menu(MainWindow& window) {
    std::vector<std::pair<QString, bool>> entries;
    for (const QAction* entry : recent_submenu(window).actions())
        if (!entry->isSeparator()) entries.emplace_back(entry->text(), entry->isEnabled());
    return entries;
}

void choose_recent(MainWindow& window, const QString& text) {
    for (QAction* entry : recent_submenu(window).actions())
        if (entry->text() == text) return entry->trigger();
    ADD_FAILURE() << "no recent entry " << text.toStdString();
}

TEST_F(CasesTest, OpenRecentOffersTheFilesSavedAndOpenedAndDropsAMissingOneWithAMessage) {
    RecentFiles().clear();
    EXPECT_EQ(recent_menu(*window), (std::vector<std::pair<QString, bool>>{{QStringLiteral("No recent files"), false},
                                                                           {QStringLiteral("Clear list"), false}}));
    const engine::AnalysisInput saved_input = shown_input();
    for (const char* name : {"first", "second & more"}) {
        dialogs.answer_file_name(path(name));
        press(Qt::Key_S);
    }
    const QString first = path("first.korvel.json");
    const QString second = path("second & more.korvel.json");
    EXPECT_EQ(recent_menu(*window), (std::vector<std::pair<QString, bool>>{
                                        {QStringLiteral("&1 %1").arg(QString(second).replace('&', "&&")), true},
                                        {QStringLiteral("&2 %1").arg(first), true},
                                        {QStringLiteral("Clear list"), true}}));

    // Chosen, the first file opens like any other (asking first over input) and moves to the top.
    window->reset_loads();
    choose_recent(*window, QStringLiteral("&2 %1").arg(first));
    expect_same_input(shown_input(), saved_input);
    EXPECT_EQ(RecentFiles().paths(), QStringList({first, second}));

    // A file gone since is taken off the list, with a message that names it.
    ASSERT_TRUE(QFile::remove(second));
    dialogs.calls.clear();
    choose_recent(*window, QStringLiteral("&2 %1").arg(QString(second).replace('&', "&&")));
    ASSERT_EQ(dialogs.calls.size(), 1U);
    EXPECT_TRUE(dialogs.calls[0].text.contains(second));
    EXPECT_EQ(RecentFiles().paths(), QStringList({first}));
    EXPECT_TRUE(span_box_has_focus());

    choose_recent(*window, QStringLiteral("Clear list"));
    EXPECT_TRUE(RecentFiles().paths().isEmpty());
}

}  // namespace
}  // namespace korvel::ui::testing
