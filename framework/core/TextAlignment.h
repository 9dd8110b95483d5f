// How text sits in its box: horizontally (TAlignment) and vertically (TTextLayout). Portable,
// so that layouts computed without a window can name them.
#pragma once

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TTextLayout { tlTop, tlCenter, tlBottom };
