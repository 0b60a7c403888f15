#include <gtest/gtest.h>

#include "patterns/PatternProposalWindow.h"
#include "patterns/PatternProposals.h"
#include "tests/support/TempDatabase.h"
#include "ui/Fakes.h"

using namespace patterns;

namespace {

std::vector<DatedIssue> issues(const QStringList& rows) {
    std::vector<DatedIssue> out;
    for (const QString& r : rows) {
        const QStringList f = r.split(u' ');
        out.push_back({QDate::fromString(f[0], QStringLiteral("dd/MM/yyyy")), f[1], f[2]});
    }
    return out;
}

}  // namespace

TEST(Proposal, ReadsFrequencyNumberingAndTheKnownIssueFromTheCollection) {
    const struct {
        const char* name;
        QString code;
        QStringList registered;
        std::optional<Frequency> frequency;
        bool restart;
        int startMonth, knownVolume, knownIssue;
    } cases[] = {
        {"the code's frequency; numbers restart in January",
         "04",
         {"01/11/2024 3 11", "01/12/2024 3 12", "01/01/2025 4 1"},
         Frequency::Monthly,
         true,
         1,
         4,
         1},
        {"no code: the spacing tells; numbers run on",
         "99",
         {"01/01/2025 1 5", "01/04/2025 1 6", "01/07/2025 2 7"},
         Frequency::Quarterly,
         false,
         7,
         2,
         7},
        {"weekly by spacing, the latest numbered issue is the known one",
         "",
         {"06/01/2025 1 1", "13/01/2025 1 2", "20/01/2025 x y"},
         Frequency::Weekly,
         true,
         1,
         1,
         2},
        {"no numbers: nothing anchors the schedule",
         "04",
         {"01/01/2025 x y"},
         std::nullopt,
         true,
         0,
         0,
         0},
    };
    for (const auto& c : cases) {
        const auto p = proposePattern({"J000001", "T", c.code, "", ""}, issues(c.registered));
        ASSERT_EQ(p.has_value(), c.frequency.has_value()) << c.name;
        if (!p)
            continue;
        EXPECT_EQ(p->pattern.frequency, *c.frequency) << c.name;
        EXPECT_EQ(p->pattern.restartNumbers, c.restart) << c.name;
        EXPECT_EQ(p->pattern.volumeStartMonth, c.startMonth) << c.name;
        EXPECT_EQ(p->pattern.knownVolume, c.knownVolume) << c.name;
        EXPECT_EQ(p->pattern.knownIssue, c.knownIssue) << c.name;
    }
}

TEST(Proposal, TheClerkAcceptsOneTitleThenAllTheRest) {
    testing_support::TempDatabase temp;
    for (const char* key : {"J000001", "J000002", "J000003"}) {
        temp.db().exec(
            "INSERT INTO vorlen1 (pointer, vorlen_name, magtype_code) VALUES (?, ?, '04')",
            {key, key});
        temp.db().exec(
            "INSERT INTO tranfile (magno, department_code, pointer, receivedate, daily, yearno, "
            "issueno, descriptionitem) VALUES ('1', '01', ?, '', '01/01/2025', '4', '1', '')",
            {key});
    }
    ui::FakeMessageBox box;
    ui::FixedClock clock{QDate(2025, 3, 1)};
    ui::RecordingOpener opener;
    QString newdealer;
    ui::Services services{temp.path(), box, clock, opener, newdealer};
    PatternProposalWindow w(services);
    ASSERT_TRUE(w.Form_Load());
    ASSERT_EQ(w.proposals().size(), 3u);
    w.proposalGrid.click(2, 0);
    w.acceptButton.click();
    EXPECT_EQ(w.proposals().size(), 2u) << "the accepted title is no longer proposed";
    EXPECT_EQ(w.proposalGrid.textMatrix(2, PatternProposalWindow::keyColumn), "J000003");
    box.queue(ui::msg::kCancel);
    w.acceptAllButton.click();
    EXPECT_EQ(w.proposals().size(), 2u);
    w.acceptAllButton.click();
    EXPECT_TRUE(w.proposals().empty());
    EXPECT_EQ(temp.db().first("SELECT count(*) FROM publication_pattern")->value(0).toInt(), 3);
    EXPECT_FALSE(w.acceptAllButton.enabled());
}
