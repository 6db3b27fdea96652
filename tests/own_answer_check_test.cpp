// Judging answers to the cards of a learner's own list: alternatives, parenthesised parts, case
// and accents of every Latin letter, and the spelling shown for a right answer typed otherwise.
#include <gtest/gtest.h>

#include <iterator>
#include <string>

#include "learning/AnswerCheck.h"
#include "learning/OwnAnswerCheck.h"

namespace {

TEST(OwnAnswerCheck, AcceptsWhatTheListMeans) {
    struct Case {
        const char16_t* typed;
        const char16_t* expected;
        bool right;
        const char16_t* shown;
    } cases[] = {
        {u"car", u"car; automobile", true, u""},
        {u"Automobile", u"car; automobile", true, u""},
        {u"auto", u"car / automobile", false, u""},
        {u"coche", u"car/coche", true, u""},
        {u"and/or", u"and/or", true, u""},
        {u"to take", u"to take (a photo)", true, u"to take (a photo)"},
        {u"to take a photo", u"to take (a photo)", true, u"to take (a photo)"},
        {u"to take (a photo)", u"to take (a photo)", true, u""},
        {u"perro", u"perro (m/f)", true, u"perro (m/f)"},
        {u"m", u"perro (m/f)", false, u""},
        {u"f", u"perro (m/f)", false, u""},
        {u"strasse", u"Stra\u00DFe", true, u"Stra\u00DFe"},  // ß is spelt "ss"
        {u"strase", u"Stra\u00DFe", false, u""},
        {u"voegel", u"V\u00F6gel", true, u"V\u00F6gel"},
        {u"vogel", u"V\u00F6gel", true, u"V\u00F6gel"},
        {u"V\u00D6GEL", u"Voegel", true, u"Voegel"},
        {u"que hora es", u"\u00BFQu\u00E9 hora es?", true, u"\u00BFQu\u00E9 hora es?"},
        {u"Hola!", u"\u00A1Hola!", true, u"\u00A1Hola!"},
        {u"\u00A1Hola!", u"hola", true, u"hola"},
        {u"yes, please", u"yes please", true, u"yes please"},
        {u"the dog", u"dog", false, u""},  // articles are optional only where the answer is English
        {u"STRASSE", u"STRASSE", true, u""},
        {u"fur", u"f\u00FCr", true, u"f\u00FCr"},
        {u"garcon", u"gar\u00E7on", true, u"gar\u00E7on"},
        {u"lodz", u"\u0141\u00F3d\u017A", true, u"\u0141\u00F3d\u017A"},
        {u"\u0142\u00D3D\u0179", u"\u0141\u00F3d\u017A", true, u""},
        {u"oere", u"\u00F8re", false, u""},
        {u"ore", u"\u00F8re", true, u"\u00F8re"},
        {u"cesky", u"\u010Desk\u00FD", true, u"\u010Desk\u00FD"},
        {u"ceske", u"\u010Desk\u00FD", false, u""},
        {u"  car  ", u"car; automobile", true, u""},
        {u"", u"car; automobile", false, u""},
        {u"", u";", false, u""},
        {u"cat", u"car; automobile", false, u""},
        {u"snap", u"to take (a photo); snap", true, u""},
        {u"to take", u"to take (a photo); snap", true, u"to take (a photo)"},
        {u"car automobile", u"car; automobile", false, u""},
        {u"el nino", u"el ni\u00F1o (m)", true, u"el ni\u00F1o (m)"},
        {u"EL NI\u00D1O (M)", u"el ni\u00F1o (m)", true, u""},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE("case " + std::to_string(i));
        const AnswerVerdict verdict = CheckOwnAnswer(c.typed, c.expected);
        EXPECT_EQ(verdict.right, c.right);
        EXPECT_EQ(verdict.spellingToShow, std::u16string(c.shown));
    }
}

TEST(OwnAnswerCheck, LeavesTheDesignedCheckAsItWas) {
    // The designed topics keep their stricter rule: alternatives and new accents are own-list only.
    EXPECT_FALSE(CheckAnswer(u"car", u"car; automobile"));
    EXPECT_FALSE(CheckAnswer(u"fur", u"f\u00FCr"));
}

}  // namespace

namespace {

// "almost": one letter missing, extra, wrong or two swapped, in a word of five letters or more,
// counts as wrong in every topic and marks where the shown spelling differs. An English answer
// may leave out or add its leading "the", "a", "an" or "to".
TEST(AnswerJudging, EnglishArticlesAndAlmostInEveryTopic) {
    struct Case {
        bool own;      // an own list's card; else a designed one
        bool english;  // the typed side is English
        const char16_t* typed;
        const char16_t* expected;
        bool right;
        const char16_t* almost;  // the spelling shown with its marked units in [brackets]; "" if not almost
    } cases[] = {
        {true, true, u"dog", u"the dog", true, u""},
        {true, true, u"the dog", u"dog", true, u""},
        {true, true, u"go", u"to go; to leave", true, u""},
        {true, true, u"an apple", u"apple", true, u""},
        {true, true, u"a", u"a", true, u""},
        {true, false, u"dog", u"the dog", false, u""},
        {true, true, u"the", u"the dog", false, u""},
        {false, false, u"perro", u"perro", true, u""},
        {false, false, u"pegro", u"perro", false, u"pe[r]ro"},
        {false, false, u"PREROS", u"perros", false, u"p[er]ros"},
        {false, false, u"pero", u"perro", false, u"per[r]o"},    // missing
        {false, false, u"perrro", u"perro", false, u"per[ro]"},  // one too many: the letters around it
        {false, false, u"pirro", u"perro", false, u"p[e]rro"},   // wrong
        {false, false, u"preo", u"perro", false, u""},           // two slips
        {false, false, u"perorr", u"perro", false, u""},
        {false, false, u"epro", u"pero", false, u""},  // four letters: no "almost"
        {false, false, u"mesa", u"meas", false, u""},
        {false, false, u"arbl", u"\u00E1rbol", false, u"\u00E1rb[o]l"},      // the design's folds hold
        {false, false, u"VENTNA", u"ventana (f)", false, u"vent[a]na (f)"},  // the marker stays shown
        {false, false, u"ventanas", u"ventana (f)", false, u"ventan[a] (f)"},
        {false, false, u"ping\u00FCin", u"ping\u00FCino", false, u"ping\u00FCin[o]"},
        {true, false, u"Strasee", u"Stra\u00DFe", false, u"Stra[\u00DF]e"},  // both units of "ss" map to ß
        {true, false, u"Fenstr", u"das Fenster; Fenster", false, u"Fenst[e]r"},
        {true, false, u"Fenstr", u"Fenster; das Fenster", false, u"Fenst[e]r"},
        {true, false, u"take a phoot", u"to take (a photo)", false, u""},
        {true, false, u"to tkae", u"to take (a photo)", false, u"to t[ak]e"},
        {true, true, u"to tkae", u"to take (a photo)", false, u""},  // "take": four letters
        {true, true, u"windoq", u"the window", false, u"the windo[w]"},
        {true, true, u"a windoq", u"window", false, u"windo[w]"},
        {true, false, u"qeu hora es", u"\u00BFQu\u00E9 hora es?", false, u"\u00BFQ[u\u00E9] hora es?"},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE("case " + std::to_string(i));
        AnswerVerdict verdict;
        if (c.own) {
            verdict = CheckOwnAnswer(c.typed, c.expected, c.english);
        } else {
            verdict.right = CheckAnswer(c.typed, c.expected);
            if (!verdict.right) verdict = DesignedNearMiss(c.typed, c.expected);
        }
        EXPECT_EQ(verdict.right, c.right);
        std::u16string shown;
        if (verdict.almost) {
            shown = verdict.almostSpelling;
            ASSERT_LE(verdict.markFirst + verdict.markCount, shown.size());
            shown.insert(verdict.markFirst + verdict.markCount, u"]");
            shown.insert(verdict.markFirst, u"[");
        }
        EXPECT_EQ(testing::PrintToString(shown), testing::PrintToString(std::u16string(c.almost)));
    }
}

}  // namespace
