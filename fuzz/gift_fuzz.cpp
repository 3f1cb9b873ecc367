// The GIFT reader on any bytes (see exchangecheck.h).

#include "exchangecheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    return checkExchangeReader(ExchangeFormat::Gift, data, size);
}
