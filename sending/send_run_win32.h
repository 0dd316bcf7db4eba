#pragma once
// The F5 send run and its F6 stop.
#include <cstdint>
#include <string>

extern std::int32_t stop_flag;
extern std::int32_t sent_counter;
extern std::string current_image_path;

void start_sending();
void stop_sending();
// The send run's share of the main window's created event: F6, then F5.
void bind_send_keys();
// Exit routine share: releases the send run's program-wide state.
void release_send_state();
