#pragma once
// Reading and writing colour sets through their published properties, as window
// descriptions and Assign do.
#include "lyra/colors.h"
#include "toolkit/persistent.h"

#include <string>
#include <utility>
#include <vector>

namespace test {

// The published property names, in publishing order.
std::vector<std::wstring> PublishedNames(const toolkit::Persistent& set);
// Every published colour with its value, in publishing order.
std::vector<std::pair<std::wstring, lyra::TColor>> PublishedColors(const toolkit::Persistent& set);
lyra::TColor ColorProperty(const toolkit::Persistent& set, const std::wstring& name);
// Gives every published colour its own value: 0x010101 times its position, from 1.
void FillDistinct(toolkit::Persistent& set);

} // namespace test
