#include "shapes/ExDrawObj.h"

void DeleteDrawObj(CExDrawObj* pDrawObj) { delete pDrawObj; }

CExDrawObj::~CExDrawObj() = default;
