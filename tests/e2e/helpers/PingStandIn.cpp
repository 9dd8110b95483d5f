// Stands in for the system's ping in the end-to-end tests: Wine's ping knows no -t, so a
// continuous ping would only print its usage there. This one sends real ICMP echo requests
// through the system (IcmpSendEcho) and prints them the way Windows' ping does:
//   ping <host> [-t] [-n count] [-l size]
#include <winsock2.h>
#include <ws2tcpip.h>
#include <windows.h>
#include <iphlpapi.h>
#include <icmpapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

int main(int Argc, char** Argv) {
  const char* Host = nullptr;
  bool Forever = false;
  long Count = 4;
  long Size = 32;
  for (int I = 1; I < Argc; ++I) {
    if (!std::strcmp(Argv[I], "-t")) Forever = true;
    else if (!std::strcmp(Argv[I], "-n") && I + 1 < Argc) Count = std::strtol(Argv[++I], nullptr, 10);
    else if (!std::strcmp(Argv[I], "-l") && I + 1 < Argc) Size = std::strtol(Argv[++I], nullptr, 10);
    else Host = Argv[I];
  }
  if (!Host || Size < 0 || Size > 65500) {
    std::printf("Usage: ping [-t] [-n count] [-l size] target_name\r\n");
    return 1;
  }
  WSADATA Winsock;
  WSAStartup(MAKEWORD(2, 2), &Winsock);
  addrinfo Hints{};
  Hints.ai_family = AF_INET;
  addrinfo* Found = nullptr;
  if (getaddrinfo(Host, nullptr, &Hints, &Found) != 0 || !Found) {
    std::printf("Ping request could not find host %s.\r\n", Host);
    return 1;
  }
  const IN_ADDR Address = reinterpret_cast<const sockaddr_in*>(Found->ai_addr)->sin_addr;
  freeaddrinfo(Found);
  char Text[INET_ADDRSTRLEN] = {};
  inet_ntop(AF_INET, &Address, Text, sizeof(Text));
  std::printf("\r\nPinging %s [%s] with %ld bytes of data:\r\n", Host, Text, Size);
  std::fflush(stdout);

  HANDLE Icmp = IcmpCreateFile();
  std::vector<char> Payload(static_cast<std::size_t>(Size), 'a');
  std::vector<char> Reply(sizeof(ICMP_ECHO_REPLY) + Payload.size() + 8);
  for (long Sent = 0; Forever || Sent < Count; ++Sent) {
    if (Sent) Sleep(1000);
    const DWORD Replies = IcmpSendEcho(Icmp, Address.S_un.S_addr, Payload.data(), static_cast<WORD>(Payload.size()),
                                       nullptr, Reply.data(), static_cast<DWORD>(Reply.size()), 4000);
    const auto* Echo = reinterpret_cast<const ICMP_ECHO_REPLY*>(Reply.data());
    if (Replies && Echo->Status == IP_SUCCESS)
      std::printf("Reply from %s: bytes=%ld time<1ms TTL=%u\r\n", Text, Size, Echo->Options.Ttl);
    else
      std::printf("Request timed out.\r\n");
    std::fflush(stdout);
  }
  IcmpCloseHandle(Icmp);
  return 0;
}
