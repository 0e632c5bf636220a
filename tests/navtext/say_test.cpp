// Messages said in English, and through a translator that fills its own
// order of the arguments.
#include "navtext/say.h"

#include <gtest/gtest.h>

#include <cstring>

namespace morvel::navtext {
namespace {

TEST(Say, FillsEachNumberOnceAndLeavesTheRest)
{
    struct Case {
        const char* english;
        std::initializer_list<std::string_view> args;
        const char* said;
    };
    const Case cases[] = {
        {"no value", {}, "no value"},
        {"no body %1; did you mean %2?", {"'Capela'", "Capella"}, "no body 'Capela'; did you mean Capella?"},
        // A typed text holding a placeholder stays as typed.
        {"unexpected %1; %2", {"'%2'", "a latitude"}, "unexpected '%2'; a latitude"},
        // Missing arguments, a lone sign, a percentage and a tenth number stay.
        {"%1 of %3 at 50% and %", {"one"}, "one of %3 at 50% and %"},
        {"%0 %1%1", {"x"}, "%0 xx"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(say(MORVEL_TR("test", c.english), c.args), c.said) << c.english;
}

TEST(Say, ATranslatorChoosesTheWordsAndTheOrder)
{
    setTranslator([](const char* context, const char* english) -> std::string {
        if (std::strcmp(context, "test") == 0 && std::strcmp(english, "%1 from %2") == 0)
            return "de %2 : %1";
        return english;
    });
    EXPECT_EQ(say(MORVEL_TR("test", "%1 from %2"), {"5 nm", "the DR"}), "de the DR : 5 nm");
    EXPECT_EQ(say(MORVEL_TR("other", "%1 from %2"), {"5 nm", "the DR"}), "5 nm from the DR");
    setTranslator(nullptr);
    EXPECT_EQ(say(MORVEL_TR("test", "%1 from %2"), {"5 nm", "the DR"}), "5 nm from the DR");
}

}  // namespace
}  // namespace morvel::navtext
