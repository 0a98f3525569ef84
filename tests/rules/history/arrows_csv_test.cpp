#include <gtest/gtest.h>

#include "rules/history/ArrowsCsv.h"

TEST(ArrowsCsv, OneQuotedWhereNeededRowPerArrowAfterTheHeader) {
    const std::vector<MatchRecord> matches = {{7, "2026-03-01T09:30:00+01:00", std::nullopt, 2}};
    const std::vector<ArrowRecord> arrows = {
        {.matchId = 7,
         .archer = u8"Nov\u00e1k, Jan",
         .club = u8"SK \"Luk\"",
         .distance = 30,
         .endNo = 2,
         .arrowNo = 3,
         .score = 9,
         .x = -4,
         .y = 250,
         .factor = 80,
         .ticks = 120},
        {.matchId = 8, .archer = u8"A\nB", .club = u8"", .distance = 50, .endNo = 1, .arrowNo = 1}};
    EXPECT_EQ(
        ArrowsCsv(matches, arrows).bytes(),
        "match_id,date,round,archer,club,distance,end_no,arrow_no,score,x,y,factor,ticks\r\n"
        "7,2026-03-01T09:30:00+01:00,VEXA Kr. \u017eeny,\"Nov\u00e1k, Jan\",\"SK \"\"Luk\"\"\","
        "30,2,3,9,-4,250,80,120\r\n"
        "8,,,\"A\nB\",,50,1,1,0,0,0,0,0\r\n");
}
