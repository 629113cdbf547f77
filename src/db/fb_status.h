#pragma once
#include "db/db_error.h"
#include <ibase.h>

// Throws DbError with the database's message when the status vector holds an error.
void fb_check(const ISC_STATUS* status, const char* where = nullptr);
QString fb_message(const ISC_STATUS* status);
