// The addresses of the About links; the dialogs' texts are in the string tables.
#pragma once

extern const char* const AboutCodeUrl;
extern const char* const AboutProgrammerMail;
extern const char* const AboutPublisherMail;
