#pragma once
// libcups, loaded on first use instead of at start-up: linking it costs every run of
// the program its dozen dependent libraries, while most runs never print.

#include <cups/cups.h>

struct CupsLibrary {
    decltype(&::cupsGetNamedDest) getNamedDest;
    decltype(&::cupsFreeDests) freeDests;
    decltype(&::cupsCopyDestInfo) copyDestInfo;
    decltype(&::cupsFindDestDefault) findDestDefault;
    decltype(&::cupsFreeDestInfo) freeDestInfo;
    decltype(&::cupsGetJobs2) getJobs2;
    decltype(&::cupsFreeJobs) freeJobs;
    decltype(&::cupsLastError) lastError;
    decltype(&::cupsGetOption) getOption;
    decltype(&::ippGetValueTag) ippValueTag;
    decltype(&::ippGetResolution) ippResolution;
};

// The loaded library; nullptr when it is not installed or lacks a function we use
// (then there is no printer).
const CupsLibrary* cupsLibrary();
