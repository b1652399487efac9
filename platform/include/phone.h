// Every platform call a program may make.
#pragma once

#include <phone/ahi.h>
#include <phone/app.h>
#include <phone/fs.h>
#include <phone/sys.h>
#include <phone/types.h>
#include <phone/uis.h>
