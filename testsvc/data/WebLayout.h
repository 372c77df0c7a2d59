#pragma once
// The layout record of the register that only the service describes (code 'w'): names,
// countries, number format, flag, summary and header templates, field definitions and its
// database group.

#include "testsvc/data/RecordWriter.h"

Bytes BuildWebLayout();
