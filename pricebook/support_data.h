// Support contracts, monthly and per annum, by package family and size.
#pragma once

#include <array>

#include "pricebook/listed_item.h"

namespace corvane {

// Indexes 1..36 (the comment gives the index).
inline constexpr auto kSupportItems = std::to_array<ListedItem>({
    {"Support Contract (monthly): Tessaline 1", Money::fromDecimal("184.21")},         // 1
    {"Support Contract (monthly): Tessaline 2", Money::fromDecimal("210.53")},         // 2
    {"Support Contract (monthly): Tessaline 3", Money::fromDecimal("236.84")},         // 3
    {"Support Contract (monthly): Tessaline 4", Money::fromDecimal("263.16")},         // 4
    {"Support Contract (monthly): Tessaline 5", Money::fromDecimal("289.47")},         // 5
    {"Support Contract (monthly): Tessaline 9", Money::fromDecimal("394.74")},         // 6
    {"Support Contract (monthly): Tessaline 14", Money::fromDecimal("526.32")},        // 7
    {"Support Contract (monthly): Tessaline 19", Money::fromDecimal("657.895")},       // 8
    {"Support Contract (monthly): Dravon 24", Money::fromDecimal("850.88")},           // 9
    {"Support Contract (monthly): Dravon 29", Money::fromDecimal("982.46")},           // 10
    {"Support Contract (monthly): Dravon 49", Money::fromDecimal("1508.77")},          // 11
    {"Support Contract (monthly): Dravon 99", Money::fromDecimal("2824.56")},          // 12
    {"Support Contract (monthly): Dravon 140", Money::fromDecimal("3903.51")},         // 13
    {"Support Contract (monthly): Hobbledale 1", Money::fromDecimal("166.67")},        // 14
    {"Support Contract (monthly): Hobbledale 2", Money::fromDecimal("192.98")},        // 15
    {"Support Contract (monthly): Hobbledale 3", Money::fromDecimal("219.30")},        // 16
    {"Support Contract (monthly): Hobbledale 4", Money::fromDecimal("245.61")},        // 17
    {"Support Contract (monthly): Hobbledale 5", Money::fromDecimal("271.93")},        // 18
    {"Support Contract (monthly): Strovane / Zeph", Money::fromDecimal("122.81")},     // 19
    {"Support Contract (monthly): Pipwick", Money::fromDecimal("87.72")},              // 20
    {"Support Contract (monthly): Garrowin (Pro DOS)", Money::fromDecimal("70.175")},  // 21
    {"Support Contract (monthly): Garrowin (Pro WIN)", Money::fromDecimal("70.175")},  // 22
    {"Support Contract (PA): Tessaline 1", Money::fromDecimal("2394.74")},             // 23
    {"Support Contract (PA): Tessaline 2-4", Money::fromDecimal("2736.84")},           // 24
    {"Support Contract (PA): Tessaline 5-9", Money::fromDecimal("3307.02")},           // 25
    {"Support Contract (PA): Tessaline 10-19", Money::fromDecimal("4675.44")},         // 26
    {"Support Contract (PA): DRAVON 20-29", Money::fromDecimal("9692.98")},            // 27
    {"Support Contract (PA): DRAVON 30-49", Money::fromDecimal("25000.00")},           // 28
    {"Support Contract (PA): DRAVON 50-140", Money::fromDecimal("40000.00")},          // 29
    {"Support Contract (PA): Hobbledale 1", Money::fromDecimal("2166.67")},            // 30
    {"Support Contract (PA): Hobbledale 2-3", Money::fromDecimal("2508.77")},          // 31
    {"Support Contract (PA): Hobbledale 4-5", Money::fromDecimal("2850.88")},          // 32
    {"Support Contract (PA): Strovane / Zeph", Money::fromDecimal("1596.49")},         // 33
    {"Support Contract (PA): Pipwick", Money::fromDecimal("1140.35")},                 // 34
    {"Support Contract (PA): Garrowin (Pro DOS)", Money::fromDecimal("912.28")},       // 35
    {"Support Contract (PA): Garrowin (Pro WIN)", Money::fromDecimal("912.28")},       // 36
});

static_assert(kSupportItems.size() == 36, "the support list holds indexes 1..36");

}  // namespace corvane
