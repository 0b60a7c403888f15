#include <gtest/gtest.h>

#include "ui/TextBox.h"

using ui::TextBox;
namespace key = ui::key;

TEST(TextBoxKeys, HandlerSeesEachKeyAndMayChangeOrDiscardIt) {
    TextBox box("Text1");
    box.onKeyPress = [](int& k) {
        if (k == 'x')
            k = 0;
        else if (k >= 'a' && k <= 'z')
            k = k - 'a' + 'A';
    };
    box.typeText("abxc");
    EXPECT_EQ(box.text(), "ABC");
    EXPECT_EQ(box.selStart(), 3);
}

TEST(TextBoxKeys, HandlerMayRewriteTheTextBeforeTheKeyLands) {
    TextBox box("Mask1");
    box.onKeyPress = [&box](int& k) {
        if (k != key::kBackspace && (box.text().size() == 2 || box.text().size() == 5)) {
            box.setText(box.text() + "/");
            box.setSelStart(int(box.text().size()));
        }
    };
    box.typeText("01022025");
    EXPECT_EQ(box.text(), "01/02/2025");
}

TEST(TextBoxKeys, KeyReplacesTheSelectionAndBackspaceDeletes) {
    TextBox box("Text2");
    box.setText("hello");
    box.setSelStart(1);
    box.setSelLength(3);
    box.typeKey('E');
    EXPECT_EQ(box.text(), "hEo");
    EXPECT_EQ(box.selStart(), 2);
    box.typeKey(key::kBackspace);
    EXPECT_EQ(box.text(), "ho");
    box.setSelStart(0);
    box.typeKey(key::kBackspace);
    EXPECT_EQ(box.text(), "ho");
    box.deleteForward();
    EXPECT_EQ(box.text(), "o");
    box.typeKey(key::kEnter);
    EXPECT_EQ(box.text(), "o");
}

TEST(TextBoxKeys, MaximumLengthHoldsForTypingAndPastingOnly) {
    TextBox box("Text1");
    box.setMaxLength(4);
    box.typeText("abcdef");
    EXPECT_EQ(box.text(), "abcd");
    box.setSelStart(1);
    box.setSelLength(2);
    box.paste("XYZW");
    EXPECT_EQ(box.text(), "aXYd");
    box.setText("program sets more");
    EXPECT_EQ(box.text(), "program sets more");
    box.setSelStart(0);
    box.typeKey('q');
    EXPECT_EQ(box.text(), "program sets more");
}

TEST(TextBoxKeys, PasteGoesThroughTheHandlerAsCtrlV) {
    TextBox box("Text7");
    box.onKeyPress = [](int& k) {
        if (k < '0' || k > '9')
            k = 0;
    };
    box.paste("12");
    EXPECT_EQ(box.text(), "");
    box.onKeyPress = nullptr;
    box.paste("first line\nsecond");
    EXPECT_EQ(box.text(), "first line");
}

TEST(TextBoxKeys, DisabledBoxTakesNoKeys) {
    TextBox box("Text3");
    box.setEnabled(false);
    box.typeText("abc");
    box.paste("x");
    EXPECT_EQ(box.text(), "");
}

TEST(TextBoxChange, RunsForTypedAndProgramSetTextButNotForTheSameText) {
    TextBox box("Mask3");
    int changes = 0;
    box.onChange = [&] { ++changes; };
    box.typeKey('1');
    EXPECT_EQ(changes, 1);
    box.setText("12");
    EXPECT_EQ(changes, 2);
    box.setText("12");
    EXPECT_EQ(changes, 2);
    box.typeKey(key::kEnter);
    EXPECT_EQ(changes, 2);
    box.setSelStart(0);
    box.typeKey(key::kBackspace);
    EXPECT_EQ(changes, 2);
}

TEST(TextBoxChange, HandlerMayChangeTheTextItIsCalledFor) {
    TextBox box("Mask4");
    box.onChange = [&box] {
        if (box.text() == "99")
            box.setText("");
    };
    box.typeText("99");
    EXPECT_EQ(box.text(), "");
}

// An emoji is two UTF-16 code units; no edit may leave one of them alone.
TEST(TextBoxSurrogates, AnEmojiIsOneKeyKeptWholeOrRefusedAtTheMaximumLength) {
    const QString books = QStringLiteral("📚");
    TextBox box("Text2");
    box.setMaxLength(4);
    box.typeText("abc" + books);
    EXPECT_EQ(box.text(), "abc");
    box.typeKey(key::kBackspace);
    box.typeText(books + books);
    EXPECT_EQ(box.text(), "ab" + books);
    int seen = 0;
    box.onKeyPress = [&seen](int& k) { seen = k; };
    box.setText({});
    box.typeText(books);
    EXPECT_EQ(seen, 0x1F4DA);
}

TEST(TextBoxSurrogates, PasteCutAtTheMaximumLengthDropsAHalfPair) {
    TextBox box("Mask2");
    box.setMaxLength(4);
    box.paste(QStringLiteral("abc📚d"));
    EXPECT_EQ(box.text(), "abc");
    box.setText({});
    box.paste(QStringLiteral("ab📚d"));
    EXPECT_EQ(box.text(), QStringLiteral("ab📚"));
}

TEST(TextBoxSurrogates, BackspaceAndDeleteRemoveTheWholeEmoji) {
    TextBox box("Text6");
    box.typeText(QStringLiteral("a📚b"));
    box.typeKey(key::kBackspace);
    box.typeKey(key::kBackspace);
    EXPECT_EQ(box.text(), "a");
    box.setText(QStringLiteral("📚x"));
    box.deleteForward();
    EXPECT_EQ(box.text(), "x");
}

TEST(TextBoxSurrogates, PasteDropsWhatNoKeyTypesAndNoStoreKeepsWhole) {
    const QChar high(0xD83D), low(0xDCDA);
    const struct {
        QString pasted, kept;
    } cases[] = {
        {QString::fromUtf16(u"ab\0cd", 5), "abcd"},  // the server would end the text at NUL
        {QString("a") + high + "b", "ab"},
        {QString("a") + low, "a"},
        {QString(low) + high, ""},
        {QString("a") + high + low + "b", QStringLiteral("a📚b")},
    };
    for (const auto& c : cases) {
        for (bool asTyping : {false, true}) {
            TextBox box("Text2");
            box.setPasteAsTyping(asTyping);
            box.paste(c.pasted);
            EXPECT_EQ(box.text(), c.kept) << c.kept.toStdString() << " as typing " << asTyping;
        }
    }
    TextBox box("Text2");
    box.typeKey(0xD800);
    box.typeKey(0xDFFF);
    EXPECT_TRUE(box.text().isEmpty());
}
