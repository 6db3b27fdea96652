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
        {u"strasse", u"Stra\u00DFe", false, u""},  // ß is a letter of its own
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
        const OwnAnswerVerdict verdict = CheckOwnAnswer(c.typed, c.expected);
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
