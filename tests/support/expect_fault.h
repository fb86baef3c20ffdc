#pragma once
// Expects a call to throw exception type E with exactly the given message.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#define TARVIK_EXPECT_FAULT(E, message, statement)                              \
    do {                                                                        \
        try {                                                                   \
            statement;                                                          \
            ADD_FAILURE() << "no exception, expected: " << (message);           \
        } catch (const E& e_) {                                                 \
            EXPECT_EQ(std::string(e_.what()), std::string(message));            \
        } catch (const std::exception& other_) {                                \
            ADD_FAILURE() << "wrong exception: " << other_.what();              \
        }                                                                       \
    } while (0)
