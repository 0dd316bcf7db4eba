#include "sending/send_run_win32.h"

std::int32_t stop_flag = 0;
std::int32_t sent_counter = 0;
std::string current_image_path;

void start_sending() {}
void stop_sending() { stop_flag = 1; }
void bind_send_keys() {}
void release_send_state() { current_image_path.clear(); }
