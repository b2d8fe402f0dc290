// Catches figures counting attempts instead of questions, a name with ";" or
// quotes broken by the spreadsheet, and an import adding anything twice.
#include <gtest/gtest.h>

#include "record/book.h"
#include "record/klass.h"

namespace {

using record::Row;

Row row(std::string child, int screen, std::string asked, int attempt, bool right, bool firstRight) {
  return {child, screen, "Numero seguente entro 10", "2026-12-08 " + asked, "4 _", attempt,
          right ? "5" : "3", right, 1200, firstRight};
}

TEST(Book, FiguresCountQuestionsAndTheirFirstAttempt) {
  record::Book b;
  EXPECT_TRUE(b.add(row("Anna", 14, "09:00:01.000", 1, false, false)));
  EXPECT_TRUE(b.add(row("Anna", 14, "09:00:01.000", 2, true, false)));
  EXPECT_FALSE(b.add(row("Anna", 14, "09:00:01.000", 2, true, false)));  // kept once
  EXPECT_TRUE(b.add(row("Anna", 14, "09:00:09.000", 1, true, true)));
  EXPECT_TRUE(b.add(row("Anna", 15, "09:01:00.000", 1, false, false)));
  EXPECT_TRUE(b.add(row("Bruno", 14, "09:02:00.000", 1, true, true)));

  const record::Figures f = b.figures("Anna", 14);
  EXPECT_EQ(f.questions, 2);
  EXPECT_EQ(f.firstRight, 1);
  EXPECT_EQ(f.lastDay, "2026-12-08");
  EXPECT_FALSE(f.weak());
  EXPECT_TRUE(b.figures("Anna", 15).weak());
  EXPECT_EQ(b.last("Anna", 2).front().screen, 15);
}

TEST(Csv, NamesAndAnswersWithSeparatorsAndQuotesComeBackAsTheyWere) {
  Row r = row("D'Angelo; \"Lulù\"", 8, "09:00:01.000", 1, false, false);
  r.given = "SE\"I";
  r.shown = "6;\n7";
  const std::string csv = record::toCsv({r, row("Anna", 14, "09:00:02.000", 1, true, true)});
  EXPECT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
  EXPECT_NE(csv.find("\"D'Angelo; \"\"Lulù\"\"\";8;"), std::string::npos);
  const record::Imported in = record::fromCsv(csv);
  EXPECT_EQ(in.error, "");
  ASSERT_EQ(in.rows.size(), 2u);
  EXPECT_EQ(in.rows[0], r);
  EXPECT_TRUE(in.rows[1].firstRight);
}

TEST(Import, AClassListAndASecondImportOfAnExportAddNothingTwice) {
  record::Class k;
  k.open({}, {});
  k.imported("\xEF\xBB\xBF" "Anna\r\n\r\n  Bruno \r\nAnna\r\n");
  EXPECT_EQ(k.importNote(), "Importati: 2 bambini, 0 risposte");
  ASSERT_EQ(k.book().children().size(), 2u);
  EXPECT_EQ(k.book().children()[1].name, "Bruno");
  EXPECT_NE(k.book().children()[0].picture, k.book().children()[1].picture);

  const std::string other = record::toCsv({row("Carla", 14, "09:00:01.000", 1, false, false),
                                           row("Carla", 14, "09:00:01.000", 2, true, false),
                                           row("Anna", 14, "09:00:05.000", 1, true, true)});
  k.imported(other);
  EXPECT_EQ(k.importNote(), "Importati: 1 bambino, 3 risposte");
  k.imported(other);
  EXPECT_EQ(k.importNote(), "Importati: 0 bambini, 0 risposte");
  EXPECT_EQ(k.book().rows().size(), 3u);
  int rowChanges = 0;
  for (const record::Change& c : k.changes()) rowChanges += c.kind == record::Change::Kind::Row;
  EXPECT_EQ(rowChanges, 3);
}

}  // namespace
