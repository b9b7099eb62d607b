// Host-to-network byte order: the system's own conversions.
#pragma once

#include <arpa/inet.h>  // htons, htonl
