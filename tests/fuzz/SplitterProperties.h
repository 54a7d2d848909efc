// What every split must satisfy, whatever the text and the separators: shared by the fuzz
// target and the randomized unit test.
#ifndef ZENQUILL_TESTS_FUZZ_SPLITTERPROPERTIES_H
#define ZENQUILL_TESTS_FUZZ_SPLITTERPROPERTIES_H

#include <string>
#include <vector>

#include "ScriptSplitter.h"

// Splits `text` and returns what is wrong with the outcome, or an empty string when it
// holds: the count matches the list; each statement is the text's bytes at its offset (an
// EXECUTE command's block holds them); the statements come in order without overlapping;
// none is empty; cut statements carry no white space at their ends; and nothing is lost:
// between and after them stand only blanks, separators, comments, SQL*Plus command lines
// and entries that a lone "." left unsent (each reported among the commands).
std::string CheckSplit(const std::string& text, const std::string& sqlSeparator, const std::string& plsqlSeparator);

// The same checks on a given outcome (not the count), so that the checker can be tested.
std::string CheckOutcome(const std::string& text, const std::vector<SplitStatement>& found,
                         const std::string& sqlSeparator, const std::string& plsqlSeparator,
                         const std::vector<SplitCommand>& commands = {});

#endif
