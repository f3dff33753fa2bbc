// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The four regional frequency plans of the plan box and how one is applied to the table.

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "channels/frequency.h"
#include "channels/sheet.h"
#include "channels/words.h"

namespace m27 {

// The plan box's items, index = `plan_index`.
inline constexpr std::array<std::string_view, 4> kPlanItems = {"1:美国频率", "2:中国频率",
                                                               "3:台湾频率", "4:自定义频率"};
inline constexpr int kCustomPlan = 3;

// The position of a plan text among the items; a text that is no item gives 4.
int plan_index_of(std::string_view plan);

// `plan_frequencies`: the plan's channel frequencies, entry k for row k; any index but 0, 1 and 2
// is the custom plan.
std::span<const FreqUnits> plan_frequencies(int plan_index);

// The window title a plan sets: "美国标准", "中国标准", "台湾标准", "自定义标准".
Words plan_title(int plan_index);

// Applies the plan the plan box shows: its first N rows get the plan's frequency in both
// columns, "OFF" tones and narrow band; the channel total becomes N; every frequency is
// formatted; rows follow the new total. Returns the new window title. The window commits its
// open tone editors first and makes every frequency cell a tab stop after.
Words apply_plan(Sheet& sheet);

}  // namespace m27
