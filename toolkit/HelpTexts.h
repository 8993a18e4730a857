// The texts of the Help and About dialogs and the addresses of the About links.
#pragma once

extern const char* const HelpRulesText;
extern const char* const AboutText;
extern const char* const AboutCodeNotice;
extern const char* const AboutCodeUrl;
extern const char* const AboutProgrammer;
extern const char* const AboutProgrammerMail;
extern const char* const AboutArtist;
extern const char* const AboutPublisherMail;
