#include "HelpTexts.h"

const char* const AboutCodeUrl = "http://www.bushfire-software.example/";
const char* const AboutProgrammerMail = "alex.coder@bushfire-software.example";
const char* const AboutPublisherMail = "info@kangaroo-corner.example";
