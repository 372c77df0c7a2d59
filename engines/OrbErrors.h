#pragma once
// Texts for failures of CORBA calls. Every call on the search service catches
// CORBA::SystemException at its call site and shows one of these, so that no failure goes
// without a message.

#include <omniORB4/CORBA.h>
#include <string>

// The name of a CORBA system exception ("COMM_FAILURE", "TRANSIENT", "TIMEOUT", ...), for the
// engine, register and diagnostics messages; "?" for any exception that is not a system one.
std::string SystemExceptionName(const CORBA::Exception& e);

// True when the exception says the server could not be reached or has gone away. omniORB 4 no
// longer raises COMM_FAILURE for every such case: a refused or timed-out connect is TRANSIENT and
// a call that outlives its time-out is TIMEOUT, so all four count.
bool IsConnectionFailure(const CORBA::SystemException& e);

// "W310 omniORB error in %s(%d) - %s" of omniORB's own fatal error: source file, line, message.
std::string OmniOrbErrorText(const omniORB::fatalException& e);

// The text of a repository logon that failed with a system exception: "W326 Unable to contact the
// repository." when the repository cannot be reached, otherwise a text naming the exception.
std::string RepositoryFailureText(const CORBA::SystemException& e);
