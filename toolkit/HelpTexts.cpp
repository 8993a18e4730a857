#include "HelpTexts.h"

// The division sign is the ANSI one (0xF7); the dialog font shows 0xD6 as a letter O with dots.
const char* const HelpRulesText =
    "Votaroo!''s Rules\n"
    "\n"
    "It is election time and you are a candidate! Win the most votes you can, then upload them to "
    "compete with the other candidates.\n"
    "\n"
    "The setup: there are 18 cards, numbered 0 to 16, and a wild card. In Setup you choose the highest "
    "card and the arithmetic operations you want to play with.\n"
    "\n"
    "Every correct answer wins votes. The longer you play, the more operations you choose and the higher "
    "your highest card, the more votes each answer wins.\n"
    "\n"
    "The Game: the cards are dealt one by one, onto two stacks in turn. Look at the two cards that show. "
    "If they are 6 and 2, their sum is 8, their difference is 4, 6 \xF7 2 = 3 and their product is 12. "
    "When the next card is one of these answers, click anywhere in the window (or press the space bar) "
    "before the card after it comes.\n"
    "\n"
    "When the next card is no winner, just let it cover one of the two cards: with 1 and 6 showing, a 7, "
    "a 5 or a 6 would have won. The wild card is always a winner.\n"
    "\n"
    "Watch the flag: a correct answer raises it one position, up to the top of the staff. A missed "
    "winner lowers it one position and a wrong answer two. When it drops all the way down, the game is "
    "over: upload your votes and try again!\n"
    "\n"
    "Good Luck\n"
    "\n"
    "PS: \"Practice makes perfect.\"";

const char* const AboutText =
    "WELCOME! Kangaroo Corner Learning makes educational games for children. Visit our web site, and "
    "send us your comments by e-mail.\n"
    "\n"
    "This game is a modified version of one of the ten games of our Math Card Game set, popular with "
    "parents and educators.\n"
    "\n"
    "VOTAROO! IS OWNED BY KANGAROO CORNER LEARNING (2001). YOU MAY COPY IT AND SEND IT TO YOUR FRIENDS, "
    "UNCHANGED AND FOR PRIVATE USE ONLY. FOR ANY OTHER USE PLEASE CONTACT SUPPORT@KANGAROO-CORNER.EXAMPLE.";

const char* const AboutCodeNotice = "Program code (c) 2001 Bushfire Software Works";
const char* const AboutCodeUrl = "http://www.bushfire-software.example/";
const char* const AboutProgrammer = "Written by Alex Coder";
const char* const AboutProgrammerMail = "alex.coder@bushfire-software.example";
const char* const AboutArtist = "Concept and Artwork by Robin Painter";
const char* const AboutPublisherMail = "info@kangaroo-corner.example";
