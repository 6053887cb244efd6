#include "shared/identity.h"

std::string prog_key;
std::string prog_title;
std::string prog_version;
std::string prog_date;

std::string pfad_vyst;
std::string pfad_temp;
std::string pfad_windows;
std::string pfad_winsys;
std::string pfad_main;
std::string pfad_data;

std::string makedirtree_probe;
