// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/event_schedule.h"

#include <array>

namespace zormade {
namespace {

struct ScheduleRow {
    int year;
    int month;
    std::array<int, 3> byDraw;
};

constexpr std::array<ScheduleRow, 27> kSchedule{{
    {1991, 4, {0, 0, 1}},     {1991, 6, {2, 2, 2}},     {1991, 11, {3, 4, 4}},
    {1991, 12, {5, 5, 5}},    {1992, 8, {6, 7, 7}},     {1992, 12, {8, 8, 8}},
    {1993, 7, {9, 10, 10}},   {1993, 8, {13, 13, 13}},  {1993, 9, {11, 11, 11}},
    {1993, 12, {12, 12, 12}}, {1994, 4, {14, 15, 16}},  {1994, 5, {17, 17, 18}},
    {1994, 8, {19, 19, 19}},  {1994, 10, {20, 20, 20}}, {1994, 12, {21, 21, 21}},
    {1995, 3, {22, 22, 23}},  {1995, 4, {24, 24, 24}},  {1995, 7, {25, 25, 25}},
    {1995, 8, {26, 26, 26}},  {1995, 9, {27, 27, 27}},  {1995, 10, {28, 29, 29}},
    {1995, 11, {30, 31, 31}}, {1996, 1, {32, 33, 34}},  {1996, 2, {35, 36, 37}},
    {1996, 3, {38, 38, 38}},  {1996, 5, {39, 39, 39}},  {1996, 8, {40, 40, 41}},
}};

}  // namespace

std::optional<int> ScheduledEvent(int year, int month, int firstDraw) {
    if (firstDraw < 0 || firstDraw > 2) return std::nullopt;
    for (const ScheduleRow& row : kSchedule) {
        if (row.year == year && row.month == month) return row.byDraw[firstDraw];
    }
    return std::nullopt;
}

}  // namespace zormade
