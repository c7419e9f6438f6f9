#include <map>
