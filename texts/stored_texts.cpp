#include "texts/stored_texts.h"

// Each constant is made with tools/encipher_text (empty pass text, one
// layer) from the plain text in the note above it; the prefix is fixed so
// that the same command gives the same constant again.

// encipher_text --utf8 --prefix QC 'QQ群图片连发助手'
const char stored_caption[] = "QCKDAFIOEEPPEEIFECMCBALBCMKHNINJIP";

// encipher_text --utf8 --prefix HT $'使用帮助：\r\n1.打开要发图的QQ群聊天窗口；\r\n2.图片按数字命名（如1.jpg），与本程序放在同一文件夹；\r\n3.光标放在聊天输入栏里，按F5开始，F6停止。'
const char stored_help_text[] =
    "HTEJFMHMJFEKGBEDOAJOHHBGDPMEPAHCIHOCPCDMOFHEBMAHJDBFGKMCCEFMMLEMPMJF"
    "CEGLKGICHONOPNEEOCBIPIBHOHFPDAFHLOJIBCIAIPJDLDJPHFNBFBOFFBGIKJNILOAE"
    "EGFCFCDOFNHFFNEAKGKHEPBKJFOGMJHFENKPGDIFBHHFFDLPNNJCFADAHCLAJJLFCLFJ"
    "AIANGLCMHANIHBPIFCEKCLOJGGOFFNLKBBOIBDJEDDNPEHCGMIABAIPDJKELIDAOPIPA"
    "LJMPMKPL";

// encipher_text --utf8 --prefix CL 'mailto:maintainers@users.noreply.c-seed-ab2d8354.example'
const char stored_contact_link[] =
    "CLOFIMEJCGMIJIJHOFJPNKIMPGOKDGPFJHGGCDNONDNOENGGLEBKGDKGFGAAONNGPKOI"
    "FPGBLFNCBBGENPEBIMBJLGKAFMAMBOACAOEHENDPCIOMOL";
