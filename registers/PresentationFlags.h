#pragma once
// The presentation flags: one word that says which row groups of a mark's details a caller
// wants. The layouts of web-defined registers name the same bits as their field kinds.

#include <cstdint>
#include <string_view>

inline constexpr std::uint32_t kPresentWordMark = 0x1;           // "WORDMARK"
inline constexpr std::uint32_t kPresentDetails = 0x2;            // "NOTICES": dates, status, notes
inline constexpr std::uint32_t kPresentGoods = 0x4;              // "SPECIFICATION"
inline constexpr std::uint32_t kPresentClasses = 0x8;            // "ALL_CLASSES"
inline constexpr std::uint32_t kPresentOwnerName = 0x10;         // "PROP_NAME"
inline constexpr std::uint32_t kPresentOwnerAddress = 0x20;      // "PROP_ADDR"
inline constexpr std::uint32_t kPresentFurtherOwners = 0x40;     // "PROP_NAME_REST"
inline constexpr std::uint32_t kPresentFurtherAddresses = 0x80;  // "PROP_ADDR_REST"
inline constexpr std::uint32_t kPresentServiceNames = 0x100;     // "SERV_NAME"
inline constexpr std::uint32_t kPresentServiceAddresses = 0x200; // "SERV_ADDR"
inline constexpr std::uint32_t kPresentAgentNames = 0x400;       // "AGENT_NAME"
inline constexpr std::uint32_t kPresentAgentAddresses = 0x800;   // "AGENT_ADDR"
inline constexpr std::uint32_t kPresentDevices = 0x1000;         // "DEVICE"
inline constexpr std::uint32_t kPresentHistory = 0x2000;         // "HISTORY"
inline constexpr std::uint32_t kPresentHeading = 0x10000000;     // "APPNUM"
inline constexpr std::uint32_t kPresentSource = 0x20000000;

// The flag a field-kind name of a web layout stands for, compared ignoring case; 0 for a name
// it does not know.
std::uint32_t FieldKindFromName(std::string_view name);
