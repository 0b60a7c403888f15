#include <gtest/gtest.h>

#include "format/TitleKeys.h"

// A key is found by its very text only: the same number with other digits,
// another first letter or any other shape is another key.
TEST(TitleKeys, AKeyIsFoundByItsExactTextOnly) {
    format::TitleKeys keys;
    for (const char* key : {"J000001", "J012500", "K1", "L9999999", "AB0001", "J0000001", ""})
        keys.insert(QString::fromUtf8(key));
    keys.insert(QStringLiteral("ว000001"));
    struct Case {
        const char* key;
        bool found;
    };
    for (const Case& c :
         {Case{"J000001", true}, Case{"J012500", true}, Case{"K1", true}, Case{"L9999999", true},
          Case{"AB0001", true}, Case{"J0000001", true}, Case{"", true}, Case{"ว000001", true},
          Case{"J00001", false}, Case{"J000002", false}, Case{"I000001", false}, Case{"K01", false},
          Case{"K", false}, Case{"J012564", false}, Case{"L99999999", false}, Case{"AB001", false},
          Case{"J00000a", false}, Case{"ว000002", false}})
        EXPECT_EQ(keys.contains(QString::fromUtf8(c.key)), c.found) << c.key;
}
