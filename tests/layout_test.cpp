// The scene's designed layout measured with the face the game found: each text's extent from its
// position, scale and width (x ± 0.25·w·scale), seen through the play window's view. The logo's
// halves stand apart, the test counters stay inside their frame, texts shown together do not
// overlap and every text stays inside the window. Run with another face (FONTCONFIG_FILE naming a
// configuration that holds only that face) to see how it fits; each test prints its tightest margin.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/GLObjectText.h"
#include "engine/GLObjectTextList.h"
#include "engine/GlyphFont.h"
#include "engine/TextFit.h"
#include "formats/HallOfFameFile.h"
#include "formats/Ms3dReader.h"
#include "game/texts/UiStrings.h"
#include "learning/LearningRun.h"
#include "learning/MissedEntries.h"
#include "learning/OwnTopics.h"
#include "learning/TopicWords.h"
#include "learning/WordList.h"
#include "screens/ExitConfirm.h"
#include "screens/HallOfFameScreen.h"
#include "screens/ResultScreens.h"
#include "screens/ScreenSteps.h"
#include "screens/TopicsScreen.h"
#include "tests/GameHarness.h"

namespace {

// The camera stands at z = 6 looking down -z with a 45 degree vertical field of view; the play
// window is 5:3.
constexpr double kEyeZ = 6, kAspect = 5.0 / 3.0;
const double kTanHalfFov = std::tan(22.5 * M_PI / 180);
// Lines are stacked 0.4·scale (0.8 em) apart: a line owns the band from its baseline up to the
// capitals' height; descenders and accents reach into the gap, as in type set solid.
constexpr double kCapHeightEm = 0.7;
// The score board's bars are this wide; the counters stand inside the opening they leave.
constexpr double kFrameBar = 0.1;

// A rectangle on the screen in the view's normalised coordinates: the window spans -1..1 both ways.
struct Rect {
    double left, right, bottom, top;
};

const Rect kWindow{-1, 1, -1, 1};

Rect Project(double x0, double x1, double y0, double y1, double z) {
    const double h = (kEyeZ - z) * kTanHalfFov;
    return {x0 / (h * kAspect), x1 / (h * kAspect), y0 / h, y1 / h};
}

// How far `inner` keeps inside `outer` across (negative: by how much it sticks out), in window widths.
double SideMargin(const Rect& inner, const Rect& outer) {
    return std::min(inner.left - outer.left, outer.right - inner.right) * kAspect / 2;
}

// The same for every side: above and below too.
double InsideMargin(const Rect& inner, const Rect& outer) {
    return std::min(
        {SideMargin(inner, outer), (inner.bottom - outer.bottom) / 2, (outer.top - inner.top) / 2});
}

// The horizontal gap between two rectangles whose bands meet (negative: they overlap by that much);
// a large value when they lie in separate bands.
double Gap(const Rect& a, const Rect& b) {
    if (a.top <= b.bottom || b.top <= a.bottom) return 1e9;
    return std::max(b.left - a.right, a.left - b.right) * kAspect / 2;
}

struct Placed {
    std::string what;
    Rect rect;
};

void PrintMargin(const char* check, double margin) {
    std::printf("%s with %s: tightest margin %+.3f window widths\n", check, glyphfont::FontFile().c_str(),
                margin);
}

class LayoutTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        LoadToUserName();
    }

    static double WidthOf(const std::u16string& text) {
        return GLObjectText("probe", text, 0, 0, 0).TextWidth();
    }

    static std::u16string Widest(const std::vector<std::u16string>& texts) {
        return *std::max_element(texts.begin(), texts.end(),
                                 [](const auto& a, const auto& b) { return WidthOf(a) < WidthOf(b); });
    }

    // A text drawn centred on (x, y, z) at this scale: half a scene unit per em, the baseline
    // 0.1·scale below the position.
    static Placed At(const std::u16string& text, double x, double y, double z, double scale) {
        const double half = 0.25 * WidthOf(text) * scale, baseline = y - 0.1 * scale;
        return {Utf8(text), Project(x - half, x + half, baseline, baseline + 0.5 * kCapHeightEm * scale, z)};
    }

    // A text object at its home, showing its own text or the widest of `texts`.
    Placed Text(const std::string& key, const std::vector<std::u16string>& texts = {}) {
        auto* text = dynamic_cast<GLObjectText*>(Object(key));
        if (text == nullptr) throw std::runtime_error(key + " is not a text");
        const double* p = text->homePosition;
        Placed placed = At(texts.empty() ? text->GetText() : Widest(texts), p[0], p[1], p[2], text->scale);
        placed.what = key + " \"" + placed.what + "\"";
        return placed;
    }

    // Every row a list shows, each holding the widest of its lines (or of `texts`): lines sit in the
    // list's frame, so their position is scaled by the list and shifted by its home.
    std::vector<Placed> Rows(const std::string& key, std::vector<std::u16string> texts = {}) {
        auto* list = dynamic_cast<GLObjectTextList*>(Object(key));
        if (list == nullptr) throw std::runtime_error(key + " is not a text list");
        if (texts.empty()) {
            for (const GLObjectText* line : list->lines) texts.push_back(line->GetText());
        }
        const std::u16string widest = Widest(texts);
        std::vector<Placed> rows;
        const size_t shown = std::min(list->lines.size(), static_cast<size_t>(list->visibleCount));
        for (size_t row = 0; row < shown; ++row) {
            const double* p = list->lines[row]->homePosition;
            const double* home = list->homePosition;
            rows.push_back(At(widest, home[0] + list->scale * p[0], home[1] + list->scale * p[1],
                              home[2] + list->scale * p[2], list->scale * list->lines[row]->scale));
            rows.back().what = key + " row " + std::to_string(row) + " \"" + rows.back().what + "\"";
        }
        return rows;
    }

    std::vector<std::u16string> Prompts(bool answers) {
        std::vector<std::u16string> texts;
        for (int topic = 0; topic < 12; ++topic) {
            LoadTopicEntries(Run().words, LEXADRILL_BUILD_DIR "/data/words_free.enc", topic * 30,
                             topic * 30 + 30);
            for (const WordEntry& entry : Run().words.entries)
                texts.push_back(answers ? entry.answer : entry.prompt);
        }
        ReleaseEntries(Run().words);
        return texts;
    }

    std::vector<std::u16string> Counters() {
        return {CounterLine(App().strings.correctLabel, 30), CounterLine(App().strings.wrongLabel, 30),
                CounterLine(App().strings.toPassLabel, 21), CounterLine(App().strings.wordsLeftLabel, 30)};
    }

    std::vector<Placed> CounterTexts() {
        const std::vector<std::u16string> lines = Counters();
        const char* const keys[] = {"dobre odp", "zle odp", "do zaliczenia", "pozostalo"};
        std::vector<Placed> placed;
        for (int i = 0; i < 4; ++i) placed.push_back(Text(keys[i], {lines[i]}));
        placed.push_back(Text("czas", {u"15", u"--"}));
        return placed;
    }

    // Every screen's texts that are shown at the same time, with their widest contents.
    std::vector<std::vector<Placed>> Screens() {
        const std::u16string longestName(10, u'W');
        const std::u16string bestScore = CounterLine(App().strings.scoreLabel, 600);
        std::vector<std::u16string> captions;
        for (const GLObjectText* line : dynamic_cast<GLObjectTextList&>(*Object("main menu 2")).lines)
            captions.push_back(line->GetText() + u" (100%) " + App().strings.lockedCaption);
        const std::vector<Placed> logo = {Text("lexa"), Text("drill")};
        std::vector<std::vector<Placed>> screens = {
            {Text("user_label"), Text("user", {longestName})},
            Rows("main menu"),
            {Text("subject"), Text("infopunkty", captions)},
            {Text("txt 1", Prompts(false)), Text("txt 2", Prompts(true)), Text("wynik", {bestScore})},
            {Text("halloffame_label")},
            {Text("nextlevel_info"), Text("wynik koncowy", {bestScore})},
            {Text("gameover_info"), Text("wynik koncowy", {bestScore})},
            {Text("areyousure")},
        };
        screens[0].insert(screens[0].end(), logo.begin(), logo.end());
        screens[1].insert(screens[1].end(), logo.begin(), logo.end());
        for (const Placed& row : Rows("main menu 2")) screens[2].push_back(row);
        screens.push_back(screens[3]);  // the test screen: the learning screen's texts and the counters
        for (const Placed& counter : CounterTexts()) screens.back().push_back(counter);
        // The hall of fame fills its list when it is shown: here with four of the widest lines.
        auto& hallOfFameList = dynamic_cast<GLObjectTextList&>(*Object("halloffame"));
        for (int row = 0; row < 4; ++row)
            hallOfFameList.AddLine(HallOfFameLineText({longestName, 600}), "i", true);
        for (const Placed& row : Rows("halloffame")) screens[4].push_back(row);
        for (const Placed& row : Rows("menu tak-nie")) screens[7].push_back(row);
        return screens;
    }

    // The opening inside the score board's frame, seen through the view.
    Rect FrameOpening() {
        std::ifstream in(LEXADRILL_BUILD_DIR "/data/score_board.ms3d", std::ios::binary);
        const std::vector<uint8_t> bytes(std::istreambuf_iterator<char>(in), {});
        Ms3dMesh mesh;
        if (!ParseMs3d(bytes.data(), bytes.size(), mesh) || mesh.groups.empty())
            throw std::runtime_error("score_board.ms3d unreadable");
        double x0 = 1e9, x1 = -1e9, y0 = 1e9, y1 = -1e9;
        for (int32_t t : mesh.groups[0].triangleIndices) {
            for (int32_t v : mesh.triangles.at(t).vertexIndices) {
                x0 = std::min<double>(x0, mesh.vertices.at(v).x),
                x1 = std::max<double>(x1, mesh.vertices.at(v).x);
                y0 = std::min<double>(y0, mesh.vertices.at(v).y),
                y1 = std::max<double>(y1, mesh.vertices.at(v).y);
            }
        }
        const double* p = Object("score_board")->homePosition;
        return Project(p[0] + x0 + kFrameBar, p[0] + x1 - kFrameBar, p[1] + y0 + kFrameBar,
                       p[1] + y1 - kFrameBar, p[2]);
    }
};

TEST_F(LayoutTest, LogoHalvesStandApart) {
    const double gap = Gap(Text("lexa").rect, Text("drill").rect);
    PrintMargin("logo", gap);
    EXPECT_GT(gap, 0) << "\"lexa\" runs into \"DRILL\"";
}

TEST_F(LayoutTest, CountersStayInsideTheirFrameAndTheWindow) {
    const Rect frame = FrameOpening();
    double tightest = 1e9;
    for (const Placed& counter : CounterTexts()) {
        for (const Rect& outer : {frame, kWindow}) {
            const double margin = InsideMargin(counter.rect, outer);
            tightest = std::min(tightest, SideMargin(counter.rect, outer));
            EXPECT_GE(margin, 0) << counter.what
                                 << (&outer == &kWindow ? " leaves the window" : " leaves its frame");
        }
    }
    PrintMargin("counters across", tightest);
}

TEST_F(LayoutTest, TextsShownTogetherDoNotOverlapAndStayInTheWindow) {
    double tightest = 1e9;
    for (const std::vector<Placed>& screen : Screens()) {
        for (size_t i = 0; i < screen.size(); ++i) {
            const double inside = InsideMargin(screen[i].rect, kWindow);
            EXPECT_GE(inside, 0) << screen[i].what << " leaves the window";
            tightest = std::min(tightest, inside);
            for (size_t k = i + 1; k < screen.size(); ++k) {
                const double gap = Gap(screen[i].rect, screen[k].rect);
                EXPECT_GT(gap, 0) << screen[i].what << " overlaps " << screen[k].what;
                tightest = std::min(tightest, gap);
            }
        }
    }
    PrintMargin("texts shown together", tightest);
}

// The designed words are never cut, and keep their designed size on the learning and test screens;
// in the words to practise the few longest lines ("how are you (estar, tu) - como estas") are made
// smaller so that they and the list's arrows stay inside the window.
TEST_F(LayoutTest, DesignedWordsAreShownWholeAndInside) {
    std::vector<MissedEntry> every;
    MissedEntry widest;
    for (int row = 0; row < 12; ++row) {  // the designed topics
        LoadTopicWords(App(), TheLearner(), Run().words, row);
        for (const WordEntry& entry : Run().words.entries) {
            every.push_back({entry, {}});
            if (WidthOf(entry.prompt + u" - " + entry.answer) >
                WidthOf(widest.words.prompt + u" - " + widest.words.answer))
                widest = every.back();
            for (const char* word : {"txt 1", "txt 2"}) {
                const double designed = Object(word)->scale;
                SetWordText(Scene(), word, word[4] == '1' ? entry.prompt : entry.answer);
                EXPECT_EQ(Object(word)->scale, designed) << TextOf(word);
            }
        }
    }
    Run().missed = every;
    ShowGameOverScreen(State());
    auto* practise = dynamic_cast<GLObjectTextList*>(Object("words to practise"));
    ASSERT_EQ(practise->lines.size(), every.size());
    for (size_t line = 0; line < every.size(); ++line) {
        const WordEntry& entry = every[line].words;
        EXPECT_EQ(practise->lines[line]->GetText(),
                  GLObjectText("probe", entry.prompt + u" - " + entry.answer, 0, 0, 0).GetText());
    }

    Run().missed = {widest};
    ShowGameOverScreen(State());
    const Placed row = Rows("words to practise").at(0);
    EXPECT_GE(InsideMargin(row.rect, kWindow), 0) << row.what;
    EXPECT_LT(practise->lines[0]->scale, 1.0) << row.what << " is wider than the window at its size";
    const GLObject* up = ChildOf("words to practise", "arrowup");
    const double arrowRight = practise->homePosition[0] + up->homePosition[0] + 0.15;
    EXPECT_GE(InsideMargin(Project(arrowRight, arrowRight, 0, 0, practise->homePosition[2]), kWindow), 0);
    Run().missed.clear();
}

// A learner's own list with a title and words far longer than any designed one: each line the
// screens show of it is cut (or, for the words, made smaller first) to stay inside its place. The
// topics' lines are no wider than the widest designed topic, the progress caption ends before
// "remove list", the removal question and the words stay in the window, and the words to practise
// keep their arrows in the window and apart.
TEST_F(LayoutTest, LongTextsOfOwnListsAreCutToTheirPlaces) {
    const std::u16string longTitle =
        u"Deutsch Grundwortschatz f\u00fcr Anf\u00e4nger und Fortgeschrittene, Teil zwei";
    std::u16string longWords;
    for (int i = 0; i < 20; ++i) longWords += u"Wortschatzw\u00f6rterbuch ";
    {
        std::ofstream list(folder + "long.txt", std::ios::binary);
        list << "#deck:" << Utf8(longTitle) << "\n" << Utf8(longWords) << "\t" << Utf8(longWords) << "\n";
        for (int i = 0; i < 40; ++i) list << "word" << i << "\tWort" << i << "\n";
    }
    ImportListFile(App(), TheLearner(), folder + "long.txt");
    RefreshTopicsList(State());
    auto* topics = dynamic_cast<GLObjectTextList*>(Object("main menu 2"));
    ASSERT_EQ(topics->lines.size(), 14u);
    double widestDesigned = 0;
    for (int row = 0; row < 12; ++row)
        widestDesigned = std::max(widestDesigned, topics->lines[row]->TextWidth());
    for (int row = 12; row < 14; ++row) {
        const std::u16string shown = topics->lines[row]->GetText();
        EXPECT_LE(topics->lines[row]->TextWidth(), widestDesigned + 1e-9) << Utf8(shown);
        EXPECT_EQ(shown.substr(shown.size() - 3), u"...") << Utf8(shown);
    }

    topics->selected = 12;
    UpdateTopicProgress(State());
    const Placed caption = Text("infopunkty"), remove = Text("remove list");
    EXPECT_GT(Gap(caption.rect, remove.rect), 0) << caption.what << " runs into " << remove.what;
    EXPECT_GE(InsideMargin(caption.rect, kWindow), 0) << caption.what;
    EXPECT_NE(TextOf("infopunkty").find(" (0%)"), std::string::npos) << "the figures always show";

    ShowExitConfirm(State(), ScreenId::Topics);
    const Placed question = Text("areyousure");
    EXPECT_GE(InsideMargin(question.rect, kWindow), 0) << question.what;
    HideExitConfirm(State());

    for (const char* word : {"txt 1", "txt 2"}) {
        SetWordText(Scene(), word, longWords);
        const Placed placed = Text(word);
        EXPECT_GE(InsideMargin(placed.rect, kWindow), 0) << placed.what;
        EXPECT_GE(Object(word)->scale, 0.5 - 1e-9) << "made smaller, at most to half";
        SetWordText(Scene(), word, u"perro");
        EXPECT_EQ(Object(word)->scale, 1.0) << "a short word has its designed size again";
    }

    for (size_t lines : {1u, 2u, 3u}) {
        SCOPED_TRACE(lines);
        Run().missed.assign(lines, MissedEntry{WordEntry{longWords, longWords}, {}});
        ShowGameOverScreen(State());
        auto* practise = dynamic_cast<GLObjectTextList*>(Object("words to practise"));
        for (const Placed& row : Rows("words to practise"))
            EXPECT_GE(InsideMargin(row.rect, kWindow), 0) << row.what;
        const GLObject* up = ChildOf("words to practise", "arrowup");
        const GLObject* down = ChildOf("words to practise", "arrowdown");
        EXPECT_GE(up->homePosition[1] - down->homePosition[1], 0.45) << "the arrows stand apart";
        const double arrowRight = practise->homePosition[0] + up->homePosition[0] + 0.15;
        EXPECT_GE(InsideMargin(Project(arrowRight, arrowRight, 0, 0, practise->homePosition[2]), kWindow), 0);
    }
    Run().missed.clear();
}

}  // namespace
