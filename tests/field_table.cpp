// The field tables against the engines they describe: every studied range a
// table states is the one its engine holds the field to (the engine refuses
// the field just outside each bound and not just inside), and every row's
// slot is the member the engine reads as that quantity.

#include "cases/field_table.h"
#include "cases/case_input.h"
#include "cases/worked_examples.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace retencion;

namespace {

// A valid calculation of each case, under every choice of its option groups.
std::vector<CaseInput> seeds()
{
    std::vector<CaseInput> out;
    const auto given = [](CalculationType c, double target, double size) {
        return c == CalculationType::Outflow ? size : target;
    };
    for (CalculationType c : {CalculationType::None, CalculationType::Surface, CalculationType::Outflow}) {
        for (CaseAOutlet o : {CaseAOutlet::None, CaseAOutlet::Orifice, CaseAOutlet::Weir})
            out.push_back(CaseAInput{.ip = 10,
                                     .tp = 1200,
                                     .tb = 3600,
                                     .dl = 1,
                                     .ck = 0.6,
                                     .given = given(c, 3, 5529.4),
                                     .calculation = c,
                                     .outlet = o});
        for (OutletConduit o : {OutletConduit::None, OutletConduit::Rectangular, OutletConduit::Circular})
            out.push_back(CaseBInput{.ip = 10,
                                     .tp = 1800,
                                     .qb = 1,
                                     .size = 2,
                                     .n = 2,
                                     .given = given(c, 7, 3875),
                                     .conduit = o,
                                     .calculation = c});
        out.push_back(
            CaseCInput{.ip = 20, .tp = 3600, .b = 3, .ho = 0.6, .given = given(c, 5, 20000), .calculation = c});
        out.push_back(
            CaseEInput{.ip = 30, .tp = 3600, .b = 3, .ho = 1, .l = 1, .given = given(c, 10, 4000), .calculation = c});
    }
    for (CalculationType c : {CalculationType::None, CalculationType::Volume, CalculationType::Outflow})
        out.push_back(CaseDInput{
            .ip = 25, .tp = 3600, .given = c == CalculationType::Outflow ? 36000.0 : 15.0, .calculation = c});
    return out;
}

std::string where(const CaseInput& in, const InputField& f, double v)
{
    return std::string("caso ") + caseLetter(in) + ", " + f.control + " (" + f.symbol + ") = " + std::to_string(v) +
           ", cálculo " + std::to_string(int(calculationOf(in))) + ", salida " + std::to_string(int(outletOf(in)));
}

// A step that moves `bound` by a few ulps' worth at its scale.
double nudge(double bound)
{
    return 1e-9 * std::max(1.0, std::abs(bound));
}

// Sets the field and calculates; whether the engine refused that quantity.
bool refusesField(CaseInput in, const InputField& f, double v, std::optional<double>* boundSaid = nullptr,
                  bool low = true)
{
    f.slot.set(in, v);
    const CaseResult r = calculate(in);
    if (!r.refusal || r.refusal->quantity != f.quantity || r.refusal->fault != Fault::OutsideStudiedRange) return false;
    if (boundSaid) {
        const auto& end = low ? r.refusal->range.low : r.refusal->range.high;
        if (end) *boundSaid = end->value;
    }
    return true;
}

TEST(FieldTable, EveryRangeIsTheOneItsEngineHolds)
{
    int probed = 0;
    for (const CaseInput& seed : seeds()) {
        const CalculationType c = calculationOf(seed);
        const Outlet o = outletOf(seed);
        for (const InputField& f : fieldsOf(seed).inputs) {
            if (!f.when.holds(c, o) || !f.range) continue;
            // Case B with no conduit chosen checks the hydrograph and the
            // conduit, and then has nothing to compute: the given value is
            // never held.
            if (calculate(seed).outcome == Outcome::NothingToCompute && std::string(f.control).ends_with("INC"))
                continue;
            const StudiedRange range = f.range(seed);
            for (const bool low : {true, false}) {
                const auto& end = low ? range.low : range.high;
                if (!end) continue;
                const double b = end->value;
                const double outside = end->included ? (low ? b - nudge(b) : b + nudge(b)) : b;
                const double inside = end->included ? b : (low ? b + nudge(b) : b - nudge(b));
                std::optional<double> said;
                EXPECT_TRUE(refusesField(seed, f, outside, &said, low)) << where(seed, f, outside);
                if (said) {
                    EXPECT_DOUBLE_EQ(*said, b) << where(seed, f, outside) << ": the sentence names another bound";
                }
                EXPECT_FALSE(refusesField(seed, f, inside)) << where(seed, f, inside);
                ++probed;
            }
        }
    }
    EXPECT_GT(probed, 60);
}

// A field with no range of its own is never refused as itself: a value far
// outside anything sensible is refused through a value derived from it.
TEST(FieldTable, FieldsWithoutRangeAreHeldThroughOthers)
{
    for (const CaseInput& seed : seeds()) {
        const CalculationType c = calculationOf(seed);
        const Outlet o = outletOf(seed);
        for (const InputField& f : fieldsOf(seed).inputs) {
            if (!f.when.holds(c, o) || f.range) continue;
            for (const double v : {-1e9, 1e-12, 1e12})
                EXPECT_FALSE(refusesField(seed, f, v)) << where(seed, f, v);
        }
    }
}

// Each control asks for one meaning under any choice of options, and every
// result the engine gives has a row to be written under.
TEST(FieldTable, OneMeaningPerControlAndAMaskForEveryResult)
{
    for (const CaseInput& seed : seeds()) {
        const CalculationType c = calculationOf(seed);
        const Outlet o = outletOf(seed);
        const CaseFields& table = fieldsOf(seed);
        for (const InputField& f : table.inputs) {
            int meanings = 0;
            for (const InputField& g : table.inputs)
                meanings += std::string(f.control) == g.control && g.when.holds(c, o);
            EXPECT_LE(meanings, 1) << where(seed, f, 0);
        }
        const CaseResult r = calculate(seed);
        if (r.main) {
            const ResultField* main = resultField(seed, false);
            ASSERT_NE(main, nullptr) << caseLetter(seed);
            EXPECT_NE(main->mask, nullptr);
        }
        if (r.h) {
            EXPECT_NE(resultField(seed, true), nullptr) << caseLetter(seed);
        }
    }
}

} // namespace

// The list of cases: each case's letter, table, worked examples and blank
// input agree with its place in the list, so that a case added to the list
// is found by letter everywhere.
TEST(CaseList, EachCaseIsFoundByItsLetterAlone)
{
    ASSERT_EQ(kCaseLetters.size(), allFields().size());
    for (std::size_t i = 0; i < kCaseLetters.size(); ++i) {
        const char letter = kCaseLetters[i];
        SCOPED_TRACE(std::string(1, letter));
        ASSERT_NE(fieldsOf(letter), nullptr);
        EXPECT_EQ(fieldsOf(letter)->letter, letter);
        EXPECT_EQ(allFields()[i], fieldsOf(letter));
        const std::optional<CaseInput> input = inputOfCase(letter);
        ASSERT_TRUE(input.has_value());
        EXPECT_EQ(input->index(), i);
        EXPECT_EQ(caseLetter(blankInput(letter, CalculationType::Outflow, Outlet::None)), letter);
        EXPECT_EQ(calculationOf(blankInput(letter, CalculationType::Outflow, Outlet::None)), CalculationType::Outflow);
        const WorkedExample* example = firstWorkedExample(letter);
        ASSERT_NE(example, nullptr);
        EXPECT_EQ(example->id[0], letter);
    }
    for (const char other : {'\0', 'a', 'Z', '@'}) {
        EXPECT_EQ(fieldsOf(other), nullptr) << int(other);
        EXPECT_FALSE(inputOfCase(other).has_value()) << int(other);
    }
    EXPECT_EQ(caseLettersInWords(), "A, B, C, D o E");
}

// The outlet chosen reaches the input of the two cases that have one.
TEST(CaseList, BlankInputCarriesTheOutlet)
{
    for (const Outlet o : {Outlet::None, Outlet::Orifice, Outlet::Weir})
        EXPECT_EQ(outletOf(blankInput('A', CalculationType::Surface, o)), o);
    for (const Outlet o : {Outlet::None, Outlet::Rectangular, Outlet::Circular})
        EXPECT_EQ(outletOf(blankInput('B', CalculationType::Surface, o)), o);
    EXPECT_EQ(outletOf(blankInput('C', CalculationType::Surface, Outlet::Weir)), Outlet::None);
}

// Every worked example is reached by its id, once, in the order of the
// cases.
TEST(CaseList, WorkedExamplesInTheOrderOfTheCases)
{
    std::string order;
    for (const WorkedExample& e : workedExamples()) {
        EXPECT_EQ(workedExample(e.id), &e) << e.id;
        EXPECT_EQ(e.id[0], caseLetter(e.input)) << e.id;
        if (order.empty() || order.back() != e.id[0]) order += e.id[0];
    }
    EXPECT_EQ(order, kCaseLetters);
}
