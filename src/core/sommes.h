// Checksums shared by the replay format, the data-file checks and the fuzzers' repairs.
#pragma once
#include <stddef.h>
#include <stdint.h>

// CRC-32 as zlib, PNG and the replays use it (reflected polynomial 0xEDB88320), continuing
// `crc` over `n` bytes: start from 0; crc_continue(crc_continue(0, a), b) is the CRC of a then b.
uint32_t crc_continue(uint32_t crc, const uint8_t* octets, size_t n);

// CRC-32 as an Ogg page header carries it (polynomial 0x04C11DB7, not reflected, from 0).
uint32_t crc_ogg(const uint8_t* octets, size_t n);
