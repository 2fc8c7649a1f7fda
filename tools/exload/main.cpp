#include "expedition.h"
int main() { return 0; }
